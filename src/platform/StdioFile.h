#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

// A C stream that closes itself.
struct StdioFileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using StdioFile = std::unique_ptr<std::FILE, StdioFileCloser>;

// Opens a file by its wide path (Cyrillic names included) with an fopen mode such as "rb";
// null when it does not open.
StdioFile OpenStdioFile(const std::wstring& path, const char* mode);

// The bytes of a file from `from` to its end (the whole file by default); nothing when it does not open
// or a read fails.
std::optional<std::string> ReadFileBytes(const std::wstring& path, long long from = 0);

// Moves to a 64-bit offset and tells a 64-bit offset, also beyond 2 GiB.
bool SeekStdioFile(std::FILE* file, long long offset, int origin);
long long TellStdioFile(std::FILE* file);
