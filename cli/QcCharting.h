#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BatchSeries.h"
#include "CliOptions.h"
#include "SeriesCalculation.h"
#include "calc/QcChart.h"
#include "calc/QcFile.h"

// The QC page, its charts for programs, and the stylesheet beside the report's that draws them.
constexpr const wchar_t* kQcPageName = L"qc.html";
constexpr const wchar_t* kQcJsonName = L"qc.json";
constexpr const wchar_t* kQcStylesheetName = L"QcChart.xsl";

// Whether a sample is one the QC file charts (its name compared whole, without regard to case).
bool IsQcSample(const QcFile& file, const std::wstring& sample);

// Where a chart's limits come from: the series of chosen dates, or the first results of the chart.
struct QcBaseline {
    std::optional<std::vector<Series>>
        series;         // every series of the baseline's dates; none: the first results
    std::wstring text;  // as pages say it
};

// The series of the baseline's dates, when given; otherwise the charts' first results.
QcBaseline BaselineOf(const std::optional<DateRange>& dates, const std::vector<Series>& all);

// A chart per line of the QC file over the QC sample's series among `charted` (in the order made), its
// limits from the baseline. Each QC series is calculated once, by `calculate`, whatever the number of
// lines that chart it.
QcCharts ChartQcSeries(const QcFile& file, const std::vector<Series>& charted, const QcBaseline& baseline,
                       const std::function<CalculatedSeries(const Series&)>& calculate);

// Links each point to the report its series got, by the series' key.
void LinkQcReports(QcCharts& qc, const std::function<std::wstring(const std::wstring& seriesKey)>& reportOf);

// What a QC series' own row of an index says: per chart, its result and outcome, those that failed or
// could not be used apart.
void QcNotesOfSeries(const QcCharts& qc, const std::wstring& seriesKey, std::vector<std::wstring>& results,
                     std::vector<std::wstring>& failures);
