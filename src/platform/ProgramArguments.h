#pragma once

#include <string>
#include <vector>

// A program's arguments after its name, as wide text with Cyrillic intact: on Windows from the wide
// command line (main's 8-bit argv would go through the ANSI code page), elsewhere from UTF-8 argv.
std::vector<std::wstring> ProgramArguments(int argc, char** argv);
