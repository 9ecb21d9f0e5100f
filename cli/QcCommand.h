#pragma once

#include "CliOptions.h"
#include "ReportCommand.h"

class UserMessages;

// Runs `oxycalc-cli qc`: calculates the series of the QC samples that the QC file beside the components
// file names, among the series of parallel determinations whose first analysis falls in the dates, and
// writes their control charts into the out folder: the page qc.html (drawn by QcChart.xsl) and qc.json
// for programs, both replaced whole. One line a chart on standard error; exit 1 when a QC result failed or
// could not be used, the QC file has unread lines, or the dates hold no QC result.
ExitCode RunQc(const BatchOptions& options, UserMessages& messages);
