#pragma once

#include "CliOptions.h"

class UserMessages;

// Exit codes of oxycalc-cli.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitFailure = 1,  // the database or a file cannot be used; a tick was refused
    kExitUsage = 2,    // bad command line, or a value that is not a number
    kExitBusy = 2,     // batch: the out folder stays held by another batch
};

// Runs `oxycalc-cli report`: loads the chromatograms, ticks, calculates, prints the results on
// standard output and writes the requested files. Messages go through `messages`. Database and
// report failures arrive as DataBase::SqlException and XMLError for the caller to report.
ExitCode RunReport(const CliOptions& options, UserMessages& messages);
