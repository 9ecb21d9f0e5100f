#include "platform/FileSystemPath.h"

#include <cwctype>

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

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    return FromFileSystemPath(ToFileSystemPath(folder) / ToFileSystemPath(name));
}

bool FolderExists(const std::wstring& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(ToFileSystemPath(path), error);
}

std::wstring FileNamePart(const std::wstring& text, size_t most) {
    std::wstring name;
    for (const wchar_t c : text) {
        if (name.size() >= most) break;
        const bool kept = c == L'-' || (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') ||
                          (c >= L'a' && c <= L'z') || (c >= 0x400 && c <= 0x4FF);
        if (kept) {
            name += c;
        } else if (!name.empty() && name.back() != L'_') {
            name += L'_';
        }
    }
    while (!name.empty() && name.back() == L'_') name.pop_back();
    return name;
}

namespace {

// A path as the file system resolves it, also for a file not there yet: absolute, with "." and ".."
// and the links of its existing part resolved; letter case folded where the file system ignores it.
std::wstring ResolvedPath(const std::wstring& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(ToFileSystemPath(path), error);
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
    std::wstring text = FromFileSystemPath(error ? absolute.lexically_normal() : resolved);
#ifdef _WIN32
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
#endif
    return text;
}

}  // namespace

bool SameFile(const std::wstring& a, const std::wstring& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    if (std::filesystem::equivalent(ToFileSystemPath(a), ToFileSystemPath(b), error)) return true;
    return ResolvedPath(a) == ResolvedPath(b);
}
