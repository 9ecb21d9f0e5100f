#include "batch/BatchQc.h"

#include <algorithm>
#include <map>

#include "messages/UserMessages.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "tables/NameCompare.h"

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

void SetAsideSamplesAnalysedOnce(QcFile& file, const std::vector<Series>& all) {
    std::vector<QcLine> kept;
    for (QcLine& line : file.lines) {
        const Series* only = nullptr;
        size_t count = 0;
        for (const Series& series : all) {
            if (!EqualNoCase(line.sample, series.sample)) continue;
            only = &series;
            ++count;
        }
        if (count != 1) {
            kept.push_back(std::move(line));
            continue;
        }
        file.errors.push_back(Message(
            MessageCode::FileLine,
            {static_cast<int64_t>(line.row), Nested(Message(MessageCode::QcSampleAnalysedOnce,
                                                            {line.sample, MessageMoment{only->First()}}))}));
    }
    file.lines = std::move(kept);
}

QcCharts ChartQcSeries(const QcFile& file, const std::vector<Series>& all,
                       const std::function<CalculatedSeries(const Series&)>& calculate) {
    QcCharts qc;
    qc.file = file.path;
    qc.errors = file.errors;
    QcResults results(file, calculate);
    for (size_t line = 0; line < file.lines.size(); ++line)
        qc.charts.push_back(MakeQcChart(file.lines[line], results.Of(line, all)));
    return qc;
}

QcCharts QcChartsStartingIn(const QcCharts& qc, std::optional<int64_t> from, std::optional<int64_t> to) {
    QcCharts shown;
    shown.file = qc.file;
    shown.errors = qc.errors;
    for (const QcChart& chart : qc.charts) shown.charts.push_back(ChartStartingIn(chart, from, to));
    return shown;
}

QualityMark MarkOf(const Series& series, const QcCharts& qc) {
    std::vector<int64_t> times;
    for (const AnalysisRow& analysis : series.analyses) times.push_back(analysis.date);
    return MarkAnalyses(times, qc.charts);
}

void LinkQcReports(QcCharts& qc, const std::function<std::wstring(const std::wstring& seriesKey)>& reportOf) {
    for (QcChart& chart : qc.charts) {
        for (QcPoint& point : chart.points) point.result.report = reportOf(point.result.seriesKey);
    }
}

void QcNotesOfSeries(const QcCharts& qc, const std::wstring& seriesKey, std::vector<Message>& results,
                     std::vector<Message>& failures) {
    for (const QcChart& chart : qc.charts) {
        for (const QcPoint& point : chart.points) {
            if (point.result.seriesKey != seriesKey) continue;
            const std::optional<double>& value = point.result.measurement.value;
            std::vector<MessageArg> args = {
                Nested(chart.line.MeasureMessage()),
                value ? Decimal(*value, 4) : Nested(Message(MessageCode::BatchQcNoResult)),
                Nested(QcOutcomeMessage(point.outcome))};
            const Message why = point.Why(chart.line);
            if (!why.Empty()) args.push_back(Nested(why));
            const Message note(why.Empty() ? MessageCode::BatchQcNote : MessageCode::BatchQcNoteWhy,
                               std::move(args));
            const bool failed =
                point.outcome == QcOutcome::Failed || point.outcome == QcOutcome::Undetermined;
            (failed ? failures : results).push_back(note);
        }
    }
}

std::vector<CalculationWarning> QcFileWarnings(const QcFile& file) {
    using Kind = CalculationWarning::Kind;
    std::vector<CalculationWarning> warnings;
    if (file.tracking.changedOutside) warnings.push_back({Kind::TableChangedOutside, file.path});
    if (file.tracking.logUnwritable) warnings.push_back({Kind::TableLogUnwritable, file.path});
    if (!file.tracking.logProblem.Empty())
        warnings.push_back({Kind::TableLogBroken, file.path, L"", L"", Nested(file.tracking.logProblem)});
    std::vector<Message> charts;
    for (const QcLine& line : file.lines) {
        if (!line.limitsDoubt.Empty())
            charts.push_back(
                {MessageCode::FileLine, {static_cast<int64_t>(line.row), Nested(line.limitsDoubt)}});
    }
    if (!charts.empty())
        warnings.push_back(
            {Kind::QcLimitsNotAsEstablished, file.path, L"", L"", Nested(ListMessage(charts))});
    return warnings;
}

void TellQcFileLog(const QcFile& file, UserMessages& messages) {
    if (file.tracking.logUnwritable) messages.ShowMessage(Message(MessageCode::QcLogUnwritable, {file.path}));
    if (file.tracking.changedOutside)
        messages.ShowMessage(Message(MessageCode::QcFileChangedOutside, {file.path}));
    if (!file.tracking.logProblem.Empty())
        messages.ShowError(
            Message(MessageCode::QcLogNotTrusted, {file.path, Nested(file.tracking.logProblem)}));
}
