#include "platform/DataExchange.h"

#include <cwchar>
#include <cwctype>
#include <vector>

#include "platform/MessageBoxes.h"
#include "platform/NumberText.h"

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

bool IsNumberText(const std::wstring& text) {
    size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && std::iswspace(text[at])) ++at;
    };
    const auto digits = [&] {
        size_t count = 0;
        while (at < text.size() && text[at] >= L'0' && text[at] <= L'9') ++at, ++count;
        return count;
    };
    skipBlanks();
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) ++at;
    size_t mantissa = digits();
    if (at < text.size() && text[at] == L'.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (at < text.size() && (text[at] == L'e' || text[at] == L'E')) {
        ++at;
        if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) ++at;
        if (digits() == 0) return false;
    }
    skipBlanks();
    return at == text.size();
}

bool TakeDouble(HWND control, double& value) {
    const std::wstring text = Text(control);
    if (!IsNumberText(text)) {
        ShowMessageBox(GetParent(control), L"Введите число.", L"", MB_OK | MB_ICONEXCLAMATION);
        SetFocus(control);
        return false;
    }
    value = ParseDouble(text);
    return true;
}

void ShowDouble(HWND control, double value) {
    ShowText(control, FormatGeneral(value, 15));
}

}  // namespace DataExchange
