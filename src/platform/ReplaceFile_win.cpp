#include <windows.h>

#include "platform/ReplaceFile.h"

bool ReplaceFileWith(const std::wstring& target, const std::wstring& source) {
    return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
}

void RemoveFile(const std::wstring& path) {
    DeleteFileW(path.c_str());
}
