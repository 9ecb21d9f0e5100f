#pragma once

#include <cstddef>
#include <string>
#include <vector>

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

// What a table's log says of a new default table beside it (NAME.default.csv, known by its SHA-256).
struct DefaultTableLogging {
    bool pending = false;    // the lab has not answered it: no save in the program since it was logged
    bool loggedNow = false;  // this read logged it
};

// Logs a new default table beside the table once, as "новая таблица по умолчанию: NAME" with its SHA-256 and
// the differences the caller found; a later default, or the same one after the log was started anew, is
// logged again. It stays pending until a save in the program follows its entry. `version` is the table's
// as just read; it gets the log's new head when the entry is written now.
DefaultTableLogging LogNewDefaultTable(const std::wstring& path, const std::wstring& defaultName,
                                       const std::string& defaultSha256,
                                       const std::vector<std::wstring>& differences, TableVersion& version);
