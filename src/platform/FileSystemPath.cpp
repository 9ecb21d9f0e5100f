#include "platform/FileSystemPath.h"

#include "platform/WideText.h"

std::filesystem::path ToFileSystemPath(const std::wstring& path) {
#ifdef _WIN32
    return std::filesystem::path(path);
#else
    return std::filesystem::path(ToUtf8(path));
#endif
}

std::wstring FromFileSystemPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return path.wstring();
#else
    return FromUtf8(path.string());
#endif
}

bool FileExists(const std::wstring& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(ToFileSystemPath(path), error);
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
    std::error_code error;
    return !a.empty() && !b.empty() &&
           std::filesystem::equivalent(ToFileSystemPath(a), ToFileSystemPath(b), error);
}
