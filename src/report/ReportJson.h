#pragma once

#include <optional>
#include <string>

#include "report/ReportModel.h"

// The version of the report's shape. 2: the inputs record how the report was made (made_by, whether the
// density was given, the time zone, each chromatogram's method, mixture and kind, where the tables' logs
// stood, a batch's densities file, series gap and QC file) and every member is always there.
constexpr int kReportFormatVersion = 2;

// One sample's report for programs (a LIMS): UTF-8 JSON of a fixed shape, indented by two blanks. Its shape
// is described once, in ReportJson.schema.json beside this header, and the tests hold every report against
// it. Every member is always there (null where it has no value). Members are only ever added, never renamed
// or removed; "format_version" changes when one is. Numbers are the values the report prints (results with
// four decimals, sample masses with four, molar masses and densities with two), written without trailing
// zeros.
std::string ReportJson(const ReportModel& model);

// A report for programs as issued, with where it stands now: amended or withdrawn, and the report that took
// its place (what a LIMS is given to replace its result). Every other member stays as issued. Nothing for
// text that is no issued report.
std::optional<std::string> ReportJsonWithStanding(const std::string& issued, const ReportLink& supersededBy);
