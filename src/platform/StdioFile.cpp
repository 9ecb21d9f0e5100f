#include "platform/StdioFile.h"

#include "platform/WideText.h"

#ifdef _WIN32
#include <cwchar>
#endif

StdioFile OpenStdioFile(const std::wstring& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return StdioFile(_wfopen(path.c_str(), wideMode.c_str()));
#else
    return StdioFile(std::fopen(ToUtf8(path).c_str(), mode));
#endif
}

bool SeekStdioFile(std::FILE* file, long long offset, int origin) {
#ifdef _WIN32
    return _fseeki64(file, offset, origin) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), origin) == 0;
#endif
}

long long TellStdioFile(std::FILE* file) {
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<long long>(ftello(file));
#endif
}

std::optional<std::string> ReadFileBytes(const std::wstring& path, long long from) {
    const StdioFile file = OpenStdioFile(path, "rb");
    if (!file || (from != 0 && !SeekStdioFile(file.get(), from, SEEK_SET))) return std::nullopt;
    std::string bytes;
    char block[65536];
    for (size_t read; (read = std::fread(block, 1, sizeof block, file.get())) > 0;) bytes.append(block, read);
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}
