#include <windows.h>

#include <string>

#include "platform/TemporaryFile.h"

namespace {

// The system's text for an error code, without its line end.
std::wstring SystemErrorText(DWORD code) {
    wchar_t text[512];
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                  0, text, 512, nullptr);
    while (length > 0 && (text[length - 1] == L'\n' || text[length - 1] == L'\r' || text[length - 1] == L' '))
        --length;
    return length > 0 ? std::wstring(text, length) : L"ошибка " + std::to_wstring(code);
}

}  // namespace

std::wstring TemporaryFolder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) return std::wstring();
    return std::wstring(buffer, length);
}

std::wstring CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix, std::wstring* why) {
    wchar_t buffer[MAX_PATH];
    // Unique number 0: Windows picks a number whose file does not exist yet and creates it.
    if (GetTempFileNameW(folder.c_str(), prefix.c_str(), 0, buffer) == 0) {
        if (why != nullptr) *why = SystemErrorText(GetLastError());
        return std::wstring();
    }
    return std::wstring(buffer);
}
