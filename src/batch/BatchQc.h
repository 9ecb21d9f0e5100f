#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/BatchSeries.h"
#include "batch/SeriesCalculation.h"
#include "calc/CalculationWarning.h"
#include "qc/QcChart.h"
#include "qc/QualityMark.h"
#include "tables/QcFile.h"

class UserMessages;

// The QC page, its charts for programs, and the stylesheet beside the report's that draws them.
constexpr const wchar_t* kQcPageName = L"qc.html";
constexpr const wchar_t* kQcJsonName = L"qc.json";
constexpr const wchar_t* kQcStylesheetStem = L"QcChart";

// Whether a sample is one the QC file charts (its name compared whole, without regard to case).
bool IsQcSample(const QcFile& file, const std::wstring& sample);

// A QC line names a check sample, run again and again; a sample the database holds in a single series is
// an ordinary sample analysed once. Such a line is an error naming it, and is set aside: its sample's
// series is reported as any other, with what QC says of it.
void SetAsideSamplesAnalysedOnce(QcFile& file, const std::vector<Series>& all);

// A chart per line of the QC file over every series of its sample among `all` (every series of the
// database, in the order made), so that each result is judged by what came before it whatever the dates
// a run shows. Each QC series is calculated once, by `calculate`, whatever the number of lines that chart
// it.
QcCharts ChartQcSeries(const QcFile& file, const std::vector<Series>& all,
                       const std::function<CalculatedSeries(const Series&)>& calculate);

// The charts as a run over [from, to) shows them: the points of the series begun in those dates.
QcCharts QcChartsStartingIn(const QcCharts& qc, std::optional<int64_t> from, std::optional<int64_t> to);

// What the whole charts say of a series of analyses, by the time of each of its analyses.
QualityMark MarkOf(const Series& series, const QcCharts& qc);

// Links each point to the report its series got, by the series' key.
void LinkQcReports(QcCharts& qc, const std::function<std::wstring(const std::wstring& seriesKey)>& reportOf);

// What a QC series' own row of an index says: per chart, its result and outcome, those that failed or
// could not be used apart.
void QcNotesOfSeries(const QcCharts& qc, const std::wstring& seriesKey, std::vector<Message>& results,
                     std::vector<Message>& failures);

// What a report whose QC mark rests on the QC file must say of it, as of the components and limits tables:
// changed outside the program, its log not written or not to be trusted, and lines whose established limits
// are not what their establishing recorded (CheckLimitsAgainstLog).
std::vector<CalculationWarning> QcFileWarnings(const QcFile& file);

// Says, once, that the QC file's change log could not be written, or that the file was changed outside
// the program (which its log now tells).
void TellQcFileLog(const QcFile& file, UserMessages& messages);
