#pragma once

#include "CliOptions.h"
#include "ReportCommand.h"

class UserMessages;

// Runs `oxycalc-cli batch`: groups the analyses of the database into series of parallel determinations
// (one sample name, no more than the series gap between neighbours), takes the series whose first
// analysis falls in the dates, calculates each with every chromatogram that has a usable mass ticked
// and its density from the densities file, writes its reports (HTML, XML, JSON, CSV, named by its first
// analysis and sample) and an index page into the out folder. A series that cannot be calculated or
// written is listed with its reason; no file the batch did not write for a series is replaced. One
// progress line a series on standard error; exit 1 when any series shows a problem.
ExitCode RunBatch(const BatchOptions& options, UserMessages& messages);
