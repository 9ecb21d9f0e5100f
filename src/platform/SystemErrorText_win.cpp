#include <windows.h>

#include "platform/SystemErrorText.h"

std::wstring SystemErrorText(unsigned long code) {
    wchar_t text[512];
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                  0, text, 512, nullptr);
    while (length > 0 && (text[length - 1] == L'\n' || text[length - 1] == L'\r' || text[length - 1] == L' '))
        --length;
    return length > 0 ? std::wstring(text, length) : L"ошибка " + std::to_wstring(code);
}
