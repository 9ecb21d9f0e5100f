#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ReportCommand.h"
#include "report/ReportModel.h"

struct RecordedReport;

// Runs `oxycalc-cli verify REPORT` on a report document (XML) or a report for programs (JSON), made by
// the plug-in or by oxycalc-cli: holds each input the report records against the present one (files by
// checksum, the tables' change logs by the entry the report anchored), then makes the report again from
// its recorded settings and the present inputs and compares it with the recorded one field by field,
// naming every difference. Exit 0 when all match, 1 with a difference or an input that is gone, 2 when the
// report cannot be read. It speaks the language.
// A report issued under a number is first held against the lab's register (`registerFile`, or the one the
// report names or lies beside): its number there, this file among the issued ones, and what became of it —
// amended or withdrawn is said first and exits 1. Then each of its signatures is checked against the
// certificates the lab trusts (`trustFolder`, PEM; on Windows without it, the system's store): one that
// does not hold exits 1, naming it.
ExitCode RunVerify(const std::wstring& reportPath, Language language,
                   const std::optional<std::wstring>& registerFile = std::nullopt,
                   const std::optional<std::wstring>& trustFolder = std::nullopt);

// The recorded inputs against the present ones, one line each: a file changed or gone, a change log that
// no longer holds the entry the report anchored.
std::vector<Message> InputDifferences(const RecordedReport& report, const std::wstring& reportPath);

// The report made again from its recorded settings and the present inputs (into `model`, when it could be)
// against the recorded one, one line per difference or input that cannot be checked.
std::vector<Message> RebuiltDifferences(const RecordedReport& report, const std::wstring& reportPath,
                                        std::optional<ReportModel>& model);
