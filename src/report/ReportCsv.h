#pragma once

#include <string>

#include "calc/CalculationData.h"
#include "messages/Language.h"

// The results for spreadsheets: UTF-8 with a byte-order mark (so that spreadsheets take it as UTF-8), CR LF,
// in the conventions of a spreadsheet of the report's language, so that it reads every number as a number:
// Russian ";"-separated with a decimal comma, English ","-separated with a decimal point. A header line, one
// line per component (number, component, peak name, oxygen atoms, the six result columns with four decimals
// as the report shows them, a note when the row lies outside the method's range), the line "Всего" and a last
// line with the total organically bound oxygen: "не определено" while it is no result, the note then saying
// why and giving the arithmetic value marked as such. A field holding the separator, a quote or a line end is
// quoted, its quotes doubled; a name a spreadsheet would run as a formula (starting with "=", "+", "-", "@",
// a tab or CR) starts with
// "'".
std::string ResultsCsv(const CalculationData& data, Language language = Language::Russian);
