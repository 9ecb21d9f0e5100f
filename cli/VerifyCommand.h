#pragma once

#include <string>
#include <vector>

#include "ReportCommand.h"

struct RecordedReport;

// Runs `oxycalc-cli verify REPORT` on a report document (XML) or a report for programs (JSON), made by
// the plug-in or by oxycalc-cli: holds each input the report records against the present one (files by
// checksum, the tables' change logs by the entry the report anchored), then makes the report again from
// its recorded settings and the present inputs and compares it with the recorded one field by field,
// naming every difference. Exit 0 when all match, 1 with a difference or an input that is gone, 2 when the
// report cannot be read. It speaks the language.
ExitCode RunVerify(const std::wstring& reportPath, Language language);

// The recorded inputs against the present ones, one line each: a file changed or gone, a change log that
// no longer holds the entry the report anchored.
std::vector<Message> InputDifferences(const RecordedReport& report, const std::wstring& reportPath);
