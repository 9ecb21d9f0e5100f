#include "win/DataExchange.h"

#include <vector>

#include "platform/NumberText.h"
#include "res/ResourceIds.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

namespace DataExchange {

std::wstring Text(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(control, buffer.data(), length + 1);
    return buffer.data();
}

void ShowText(HWND control, const std::wstring& text) {
    if (Text(control) != text) SetWindowTextW(control, text.c_str());
}

void WarnNotANumber(HWND control) {
    ShowMessageBox(GetParent(control), ResourceTextOr(IDS_OXY_ENTER_NUMBER, L"Введите число."),
                   MessageCaption(), MB_OK | MB_ICONEXCLAMATION);
    SetFocus(control);
    SendMessageW(control, EM_SETSEL, 0, -1);
}

void ShowDouble(HWND control, double value) {
    ShowText(control, FormatGeneral(value, 15));
}

}  // namespace DataExchange
