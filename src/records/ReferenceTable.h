#pragma once

#include <cstddef>
#include <string>

#include "tables/TableVersion.h"

// Keeps a reference table's change log at each read: starts the log of a table that has none, logs a
// change made outside the program ("изменено вне модуля", with the differences against the last version
// the program knew) and keeps the present version beside the log.
TableTracking TrackReferenceTable(const std::wstring& path);

// The version of a reference table as it is now, with its log's head, read without writing anything: what
// a check of an earlier report holds it against.
TableVersion ReadTableVersion(const std::wstring& path);

// Logs a save made in the program: first a change made outside the program to the bytes the file held
// before, when the log does not know them yet, then the reason the user gave and the changes against
// those bytes. False when the log could not be written.
bool LogTableSave(const std::wstring& path, const std::string& before, const std::wstring& reason);
