#pragma once

#include <cstdio>
#include <string_view>

// Writes text to standard output or standard error so that Cyrillic arrives intact: into a Windows
// console as wide characters, everywhere else (files, pipes, POSIX terminals) as UTF-8.
void WriteConsoleText(std::FILE* stream, std::wstring_view text);
