#pragma once

#include "CliOptions.h"
#include "ReportCommand.h"

class UserMessages;

// Runs `oxycalc-cli batch`: groups the analyses of the database by sample, calculates each sample
// with every chromatogram that has a usable mass ticked and its density from the densities file,
// writes each sample's reports (HTML, XML, JSON, CSV) and an index page into the out folder. A sample
// that cannot be calculated is listed with its reason. One progress line a sample on standard error.
ExitCode RunBatch(const BatchOptions& options, UserMessages& messages);
