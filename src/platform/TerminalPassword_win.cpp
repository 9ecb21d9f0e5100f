#include <windows.h>

#include <string>

#include "platform/ConsoleText.h"
#include "platform/TerminalPassword.h"
#include "platform/WideText.h"

std::optional<std::string> ReadTerminalPassword(const std::wstring& prompt) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (input == INVALID_HANDLE_VALUE || !GetConsoleMode(input, &mode)) return std::nullopt;
    WriteConsoleText(stderr, prompt);
    SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    std::wstring password;
    wchar_t c = 0;
    DWORD count = 0;
    bool read = false;
    while (ReadConsoleW(input, &c, 1, &count, nullptr) && count == 1) {
        if (c == L'\r' || c == L'\n') {
            read = true;
            break;
        }
        password += c;
    }
    SetConsoleMode(input, mode);
    WriteConsoleText(stderr, L"\n");
    if (!read) return std::nullopt;
    return ToUtf8(password);
}
