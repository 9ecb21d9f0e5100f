#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/SystemErrorText.h"
#include "platform/TemporaryFile.h"
#include "platform/WideText.h"

std::wstring TemporaryFolder() {
    const char* variable = std::getenv("TMPDIR");
    std::string folder = variable != nullptr && *variable != '\0' ? variable : "/tmp";
    if (folder.back() != '/') folder.push_back('/');
    return FromUtf8(folder);
}

std::wstring CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix, std::wstring* why) {
    if (folder.empty()) return std::wstring();
    const std::string separator = folder.back() == L'/' ? "" : "/";
    const std::string pattern = ToUtf8(folder) + separator + ToUtf8(prefix) + "XXXXXX.tmp";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = mkstemps(name.data(), 4);
    if (descriptor < 0) {
        if (why != nullptr) *why = SystemErrorText(errno);
        return std::wstring();
    }
    close(descriptor);
    return FromUtf8(name.data());
}
