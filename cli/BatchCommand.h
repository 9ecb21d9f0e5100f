#pragma once

#include "CliOptions.h"
#include "ReportCommand.h"
#include "messages/Message.h"

class UserMessages;

// Runs `oxycalc-cli batch`: groups the analyses of the database into series of parallel determinations
// (one sample name, no more than the series gap between neighbours), takes the series whose first
// analysis falls in the dates, calculates each with every chromatogram that has a usable mass ticked
// and its density from the densities file, writes its reports (HTML, XML, JSON, CSV, named by its first
// analysis and sample) and an index page into the out folder. A series that cannot be calculated or
// written is listed with its reason; no file the batch did not write for a series is replaced. With a QC
// file beside the components file, the index page shows the control charts of the QC series (qc.json has
// them for programs) and each analysis series' report and row carry what QC says of it. One progress line
// a series on standard error; exit 1 when any series shows a problem or a QC result failed.
ExitCode RunBatch(const BatchOptions& options, UserMessages& messages);

// The dates asked for, as pages and the names of kept pages say them ("с 2024-03-14 по 2024-03-15").
Message RangeOf(const BatchOptions& options);
// Makes the out folder when missing; false, after telling why, when it cannot.
bool MakeFolder(const std::wstring& folder, UserMessages& messages);
