#pragma once

#include <string>

#include "report/ReportModel.h"

class XMLWrapper;

// Appends a report to a document just made by XMLWrapper::CreateDocument: settings, chromatograms,
// result table, total oxygen ("не определено" while it is no result), and then what a stylesheet written for
// those four does not know: the calculation's warnings, the samples, each chromatogram's kind, each result's
// constants and place in the method's range, the sums without the internal standard, the total oxygen's place
// in the range, why the total is no result (with its arithmetic value), the limits' verdicts, the program,
// when the report was made, the inputs it rests on (exactly, with their files' SHA-256) and the decision rule
// of its verdicts. Failures of the DOM are raised as XMLError.
void FillReportDocument(XMLWrapper& wrapper, const ReportModel& model);

// The report document as UTF-8 XML, as it is written beside the page.
std::string ReportDocumentText(const ReportModel& model);
