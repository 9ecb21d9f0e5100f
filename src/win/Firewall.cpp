#include "win/Firewall.h"

#include "platform/TextTemplate.h"
#include "platform/WideText.h"
#include "res/ResourceIds.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

void ReportEscapedException(const char* where, const std::exception* error) noexcept {
    try {
        std::wstring text = FillTemplate(ResourceTextOr(IDS_OXY_INTERNAL_ERROR, L"Внутренняя ошибка (%1)"),
                                         {FromUtf8(where)});
        if (error != nullptr) text += L":\n" + FromUtf8(error->what());
        MessageBoxW(nullptr, text.c_str(), ErrorCaption().c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        MessageBoxW(nullptr, L"Внутренняя ошибка", L"Ошибка", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
}
