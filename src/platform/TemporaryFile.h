#pragma once

#include <string>

// The user's folder for temporary files, ending in a separator; empty when it cannot be determined.
// Windows: GetTempPathW. Elsewhere: TMPDIR when it is set and not empty, otherwise /tmp.
std::wstring TemporaryFolder();

// Creates an empty file with a name of its own in the folder, formed from a three-letter prefix
// ("vlt4A2F.tmp" on Windows, "vltXXXXXX.tmp" elsewhere), and returns its full path; empty when no
// file could be created, and then `why`, when given, says the system's reason. The file is left for the
// caller: its name stays reserved while it exists.
std::wstring CreateTemporaryFile(const std::wstring& folder, const std::wstring& prefix,
                                 std::wstring* why = nullptr);
