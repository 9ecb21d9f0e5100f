#pragma once

#include <cstdint>
#include <string>

#include "messages/Language.h"
#include "qc/QcChart.h"

class XMLWrapper;

// Appends <qc> to the root of a document just made by XMLWrapper::CreateDocument: the QC file, its
// unread lines, and per line of it a chart (its limits, value scale and points with their moving
// ranges, rule hits and outcomes) that the pages draw as SVG with the templates of QcChart.xsl.
void AddQcCharts(XMLWrapper& wrapper, const QcCharts& qc, Language language);

// The QC page's document: program, range, created (local time) and qc.
void FillQcDocument(XMLWrapper& wrapper, const QcCharts& qc, const std::wstring& range, int64_t createdAt,
                    Language language);
