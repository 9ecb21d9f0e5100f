#include "platform/ProgramArguments.h"

#include <windows.h>
#include <shellapi.h>

std::vector<std::wstring> ProgramArguments(int, char**) {
    int count = 0;
    wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (list == nullptr) return {};
    std::vector<std::wstring> arguments(list + (count > 0 ? 1 : 0), list + count);
    LocalFree(list);
    return arguments;
}
