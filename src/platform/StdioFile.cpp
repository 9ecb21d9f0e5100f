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
