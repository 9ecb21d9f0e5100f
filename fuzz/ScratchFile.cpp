#include "ScratchFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"

std::wstring ScratchFile(const char* suffix) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("oxycalc-fuzz-" + std::to_string(getpid()) + suffix);
    return FromFileSystemPath(path);
}

void WriteBytes(const std::wstring& path, const uint8_t* data, size_t size) {
    const StdioFile file = OpenStdioFile(path, "wb");
    if (!file || std::fwrite(data, 1, size, file.get()) != size) std::abort();
}

std::string ReadBytes(const std::wstring& path) {
    std::string bytes;
    const StdioFile file = OpenStdioFile(path, "rb");
    char buffer[4096];
    size_t count = 0;
    while (file && (count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    return bytes;
}
