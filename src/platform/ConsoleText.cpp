#include "platform/ConsoleText.h"

std::wstring ConsoleSafe(std::wstring_view text) {
    std::wstring safe(text);
    for (wchar_t& c : safe) {
        const bool control = (c < 0x20 && c != L'\n' && c != L'\t') || (c >= 0x7F && c <= 0x9F);
        if (control) c = L'\xFFFD';
    }
    return safe;
}
