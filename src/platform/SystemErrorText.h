#pragma once

#include <string>

// The system's own words for an error code of its calls (errno of a POSIX call, GetLastError of a
// Windows one), without a line end.
std::wstring SystemErrorText(unsigned long code);
