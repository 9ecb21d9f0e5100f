#pragma once

#include <cstdio>
#include <string_view>

#include <string>

// Writes text to standard output or standard error so that Cyrillic arrives intact: into a Windows
// console as wide characters, everywhere else (files, pipes, POSIX terminals) as UTF-8. Control
// characters other than line ends and tabs are written as "�" (ConsoleSafe).
void WriteConsoleText(std::FILE* stream, std::wstring_view text);

// The text with every control character but LF and tab replaced by U+FFFD: a sample name from the
// database can carry a terminal's escape sequences, which must not reach the terminal.
std::wstring ConsoleSafe(std::wstring_view text);
