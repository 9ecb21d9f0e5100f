#pragma once

#include <string>

#include "ReportCommand.h"

// Runs `oxycalc-cli history FILE`: prints the change log of a reference table (the components table, a
// limits file) and checks it: every entry continues the one before, and the file is as the last entry
// says. Exit 0 when so, 1 otherwise (naming the first broken entry), 2 when there is no log.
ExitCode RunHistory(const std::wstring& tablePath);
