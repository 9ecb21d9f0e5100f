#pragma once

#include <string>

// The version of a reference table (the components table, a limits file) a calculation used.
struct TableVersion {
    std::string sha256;     // of the file as read; empty when it was not read
    std::wstring loggedAt;  // local time of its log's last entry; empty without a log
};

// What reading a reference table found out about its version.
struct TableTracking {
    TableVersion version;
    bool changedOutside = false;  // it is not the last version the program knew: logged now as such
    bool logUnwritable = false;   // its log or its versions could not be written
};

// Keeps a reference table's change log at each read: starts the log of a table that has none, logs a
// change made outside the program ("изменено вне модуля", with the differences against the last version
// the program knew) and keeps the present version beside the log.
TableTracking TrackReferenceTable(const std::wstring& path);

// Logs a save made in the program: the reason the user gave and the changes against the bytes the file
// held before. False when the log could not be written.
bool LogTableSave(const std::wstring& path, const std::string& before, const std::wstring& reason);
