#pragma once

#include <string>

// Puts the file `source` in the place of `target` in one step, replacing a `target` that exists:
// whoever reads `target` meets the old file or the new one, never half of one. Both must be on one
// volume (in one folder, or one inside the other). False when it could not be done (both files are then as
// they were).
bool ReplaceFileWith(const std::wstring& target, const std::wstring& source);

// Removes a file; nothing happens when it is not there.
void RemoveFile(const std::wstring& path);
