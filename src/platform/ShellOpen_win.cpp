#include <windows.h>

#include <shellapi.h>

#include "platform/ShellOpen.h"

void OpenWithShell(const std::wstring& path) {
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}
