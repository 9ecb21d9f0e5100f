#include "QcCharting.h"

#include <algorithm>
#include <map>

#include "calc/NameCompare.h"
#include "platform/NumberText.h"

namespace {

// What one QC series gives each line of the file that charts its sample.
using Measurements = std::map<size_t, QcMeasurement>;  // line -> measurement

Measurements Measure(const QcFile& file, const Series& series, const CalculatedSeries& calculated) {
    Measurements measurements;
    for (size_t line = 0; line < file.lines.size(); ++line) {
        if (!EqualNoCase(file.lines[line].sample, series.sample)) continue;
        measurements[line] = calculated.data
                                 ? MeasureQc(file.lines[line], *calculated.data, calculated.assays)
                                 : QcMeasurement{std::nullopt, calculated.row.reason};
    }
    return measurements;
}

// The QC results of the series for each line, each series calculated once for all runs of `calculate`.
class QcResults {
public:
    QcResults(const QcFile& file, const std::function<CalculatedSeries(const Series&)>& calculate)
        : file_(file), calculate_(calculate) {}

    std::vector<QcResult> Of(size_t line, const std::vector<Series>& series) {
        std::vector<QcResult> results;
        for (const Series& one : series) {
            if (!EqualNoCase(file_.lines[line].sample, one.sample)) continue;
            QcResult result;
            result.first = one.First();
            result.last = one.Last();
            result.seriesKey = one.Key();
            result.measurement = MeasurementsOf(one).at(line);
            results.push_back(std::move(result));
        }
        return results;
    }

private:
    const Measurements& MeasurementsOf(const Series& series) {
        const std::wstring key = series.Key();
        auto known = measured_.find(key);
        if (known == measured_.end())
            known = measured_.emplace(key, Measure(file_, series, calculate_(series))).first;
        return known->second;
    }

    const QcFile& file_;
    const std::function<CalculatedSeries(const Series&)>& calculate_;
    std::map<std::wstring, Measurements> measured_;
};

}  // namespace

bool IsQcSample(const QcFile& file, const std::wstring& sample) {
    return std::any_of(file.lines.begin(), file.lines.end(),
                       [&sample](const QcLine& line) { return EqualNoCase(line.sample, sample); });
}

QcBaseline BaselineOf(const std::optional<DateRange>& dates, const std::vector<Series>& all) {
    if (!dates) return {std::nullopt, L"первые " + std::to_wstring(kFullBaseline) + L" результатов на карте"};
    return {SeriesStartingIn(all, dates->from, dates->to),
            L"серии с " + dates->fromText + L" по " + dates->toText};
}

QcCharts ChartQcSeries(const QcFile& file, const std::vector<Series>& charted, const QcBaseline& baseline,
                       const std::function<CalculatedSeries(const Series&)>& calculate) {
    QcCharts qc;
    qc.file = file.path;
    qc.errors = file.errors;
    QcResults results(file, calculate);
    for (size_t line = 0; line < file.lines.size(); ++line) {
        std::optional<std::vector<QcResult>> base;
        if (baseline.series) base = results.Of(line, *baseline.series);
        qc.charts.push_back(MakeQcChart(file.lines[line], results.Of(line, charted), base, baseline.text));
    }
    return qc;
}

void LinkQcReports(QcCharts& qc, const std::function<std::wstring(const std::wstring& seriesKey)>& reportOf) {
    for (QcChart& chart : qc.charts) {
        for (QcPoint& point : chart.points) point.result.report = reportOf(point.result.seriesKey);
    }
}

void QcNotesOfSeries(const QcCharts& qc, const std::wstring& seriesKey, std::vector<std::wstring>& results,
                     std::vector<std::wstring>& failures) {
    for (const QcChart& chart : qc.charts) {
        for (const QcPoint& point : chart.points) {
            if (point.result.seriesKey != seriesKey) continue;
            const std::optional<double>& value = point.result.measurement.value;
            std::wstring note = L"контроль, " + chart.line.Measure() + L": " +
                                (value ? FormatFixed(*value, 4) : std::wstring(L"нет результата")) + L" — " +
                                QcOutcomeText(point.outcome);
            const std::wstring why = point.Why(chart.line);
            if (!why.empty()) note += L": " + why;
            const bool failed =
                point.outcome == QcOutcome::Failed || point.outcome == QcOutcome::Undetermined;
            (failed ? failures : results).push_back(note);
        }
    }
}
