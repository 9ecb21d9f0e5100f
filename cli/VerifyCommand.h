#pragma once

#include <string>
#include <vector>

#include "ReportCommand.h"

// Runs `oxycalc-cli verify REPORT` on a report document (XML) or a report for programs (JSON), made by
// the plug-in or by oxycalc-cli: recalculates the results from the values the report records and says
// whether they are the report's numbers, then holds the recorded inputs against the present ones (the
// files by checksum, the host database's rows by value) and names every difference. Exit 0 when all
// match, 1 with differences, 2 when the report cannot be read.
ExitCode RunVerify(const std::wstring& reportPath);

// The differences between what a report printed and what its recorded values give now, one line each.
struct RecordedReport;
std::vector<std::wstring> ArithmeticDifferences(const RecordedReport& report);
// The differences between the inputs a report records and the present ones, one line each.
std::vector<std::wstring> InputDifferences(const RecordedReport& report);
