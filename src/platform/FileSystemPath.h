#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// std::filesystem paths from and to the core's wide text. On POSIX the standard library would
// convert through the process locale, which fails for Cyrillic in the "C" locale; file names there
// are UTF-8, so the conversion is done here.
std::filesystem::path ToFileSystemPath(const std::wstring& path);
std::wstring FromFileSystemPath(const std::filesystem::path& path);
// True for an existing file that is no folder; false for an empty path.
bool FileExists(const std::wstring& path);
// A file of a folder, joined with the platform's separator.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
// True for an existing folder; false for an empty path.
bool FolderExists(const std::wstring& path);
// A text made fit for a file name on every file system: its Latin and Cyrillic letters, digits and
// hyphens, anything else one "_", none at either end, at most `most` characters ("АИ-95-К5, партия
// 2417" gives "АИ-95-К5_партия_2417").
std::wstring FileNamePart(const std::wstring& text, size_t most = 60);
// True when two paths name one file, however they are written (relative, "..", links, letter case
// on Windows: of every letter for a file that exists, of Latin letters for one not there yet), also
// when it does not exist yet.
bool SameFile(const std::wstring& a, const std::wstring& b);
