#pragma once

#include "CliOptions.h"
#include "ReportCommand.h"

class UserMessages;

// Runs `oxycalc-cli qc`: calculates the series of the QC samples that the QC file beside the components
// file names, every one of the database, and writes the control charts of those whose first analysis
// falls in the dates into the out folder: the page qc.html (drawn by QcChart.xsl) and qc.json for
// programs, both replaced whole. One line a chart on standard error; exit 1 when a QC result failed or
// could not be used, none was judged, the QC file has unread lines, or the dates hold no QC result.
// With --establish it first establishes each chart's limits from its baseline and records them in the QC
// file with the reason (the out folder is then optional); exit 1 when a chart got none or the file was
// not written.
ExitCode RunQc(const BatchOptions& options, UserMessages& messages);
