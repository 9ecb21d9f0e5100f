#include <windows.h>

#include <string>

#include "platform/SystemErrorText.h"
#include "platform/TemporaryFile.h"

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
