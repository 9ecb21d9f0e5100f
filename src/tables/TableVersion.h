#pragma once

#include <cstddef>
#include <string>

#include "messages/Message.h"

// The version of a reference table (the components table, a limits file, the QC file) a calculation used.
struct TableVersion {
    std::string sha256;     // of the file as read; empty when it was not read
    std::wstring loggedAt;  // local time of its log's last entry; empty without a log
    // Where its change log stood: the number of entries and the SHA-256 of the last one; 0 and empty
    // without a log. A report anchors the log so: a log rewritten later no longer holds that entry.
    size_t logEntries = 0;
    std::string logLastEntrySha256;
};

// What reading a reference table found out about its version.
struct TableTracking {
    TableVersion version;
    bool changedOutside = false;  // it is not the last version the program knew: logged now as such
    bool logUnwritable = false;   // its log or its versions could not be written
    // Why its log cannot be trusted as it stands (removed while versions were kept, its last entry naming
    // a version that is not kept); empty when nothing is wrong with it.
    Message logProblem;
};
