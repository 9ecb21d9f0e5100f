#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Writes that stay written: what a record (the register of issued reports) relies on before it goes on to
// its next step. Each call reaches the disk before it returns (fsync, FlushFileBuffers), so that a power
// cut or a killed process leaves the file as it was before the call or with the whole write. `why`, when
// given, gets the system's reason for a failure.

// Makes a new file of these bytes; false when a file is there already or it could not be written whole
// (a half-made one is removed).
bool CreateDurably(const std::wstring& path, std::string_view bytes, std::wstring* why = nullptr);

// Appends the bytes to an existing file in one write; false when there is no such file or the write did not
// go through whole.
bool AppendDurably(const std::wstring& path, std::string_view bytes, std::wstring* why = nullptr);

// Puts what the system still holds of a file written earlier onto the disk.
bool SyncToDisk(const std::wstring& path, std::wstring* why = nullptr);

// Moves a file to a name no file bears, on one volume; false, leaving both as they were, when one does:
// nothing is ever written over.
bool MoveIfAbsent(const std::wstring& from, const std::wstring& to, std::wstring* why = nullptr);

// Cuts a file off at a byte offset.
bool TruncateDurably(const std::wstring& path, int64_t length, std::wstring* why = nullptr);
