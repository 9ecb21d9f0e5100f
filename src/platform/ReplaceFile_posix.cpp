#include <cstdio>

#include "platform/ReplaceFile.h"
#include "platform/WideText.h"

bool ReplaceFileWith(const std::wstring& target, const std::wstring& source) {
    return std::rename(ToUtf8(source).c_str(), ToUtf8(target).c_str()) == 0;
}

void RemoveFile(const std::wstring& path) {
    std::remove(ToUtf8(path).c_str());
}
