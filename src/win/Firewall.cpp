#include "win/Firewall.h"

#include "platform/WideText.h"

void ReportEscapedException(const char* where, const std::exception* error) noexcept {
    try {
        std::wstring text = L"Внутренняя ошибка (" + FromUtf8(where) + L")";
        if (error != nullptr) text += L":\n" + FromUtf8(error->what());
        MessageBoxW(nullptr, text.c_str(), L"Ошибка", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        MessageBoxW(nullptr, L"Внутренняя ошибка", L"Ошибка", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
}
