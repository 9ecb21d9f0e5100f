#pragma once

#include <string>

#include "ReportCommand.h"

// Runs `oxycalc-cli history FILE`: prints the change log of a reference table (the components table, a
// limits file) and checks it: every entry continues the one before, the file is as the last entry says,
// each entry's version of the table is kept beside the log under its checksum, and what each entry says
// changed is what changed between the versions. Exit 0 when so, 1 otherwise (naming the first broken
// entry), 2 when there is no log.
ExitCode RunHistory(const std::wstring& tablePath);
