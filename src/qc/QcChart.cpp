#include "qc/QcChart.h"

#include <algorithm>
#include <cmath>

#include "calc/Limits.h"
#include "calc/RoundTo4.h"
#include "platform/LocalTime.h"
#include "tables/NameCompare.h"

namespace {

bool Found(const QcLine& line, const CalculationData& data) {
    return std::any_of(data.results.begin(), data.results.end(),
                       [&line](const ComponentResult& r) { return EqualNoCase(r.peakName, line.peakName); });
}

std::optional<double> Plotted(const QcLine& line, const QcMeasurement& measurement) {
    if (!measurement.value) return std::nullopt;
    return line.accepted ? RoundTo4(*measurement.value - *line.accepted) : *measurement.value;
}

// The plotted scale is the results' own moved by the accepted value.
double Shift(const QcLine& line) {
    return line.accepted ? -*line.accepted : 0.0;
}

// Provisional limits from the results before a point (values on the results' own scale).
ChartLimits Provisional(const std::vector<double>& base, const QcLine& line) {
    if (base.size() < kLeastBaseline) {
        ChartLimits none;
        none.baselineCount = base.size();
        none.provisional = true;
        none.why = {MessageCode::ProvisionalTooFew,
                    {static_cast<int64_t>(base.size()), static_cast<int64_t>(kLeastBaseline)}};
        return none;
    }
    return Shifted(LimitsFromBaseline(base), Shift(line));
}

ChartLimits Established(const QcLine& line) {
    if (!line.limitsDoubt.Empty()) {
        ChartLimits none;
        none.why = line.limitsDoubt;
        return none;
    }
    const EstablishedLimits& established = *line.established;
    ChartLimits limits =
        Shifted(LimitsFromMeans(established.centre, established.movingRangeMean), Shift(line));
    limits.baselineCount = established.count;
    limits.provisional = established.count < kFullBaseline;
    limits.established = true;
    return limits;
}

Message BaselineText(const QcLine& line) {
    if (!line.established) return {MessageCode::BaselineFirstResults, {static_cast<int64_t>(kFullBaseline)}};
    return {MessageCode::BaselineSeries,
            {MessageMoment{line.established->baselineFrom}, MessageMoment{line.established->baselineTo}}};
}

QcOutcome OutcomeOf(const QcPoint& point, const QcLine& line) {
    if (!point.result.measurement.Used() || point.limitsInDoubt) return QcOutcome::Undetermined;
    if (point.check.OutOfControl() || point.withinTolerance == false) return QcOutcome::Failed;
    if (point.limits.determined || line.tolerance) return QcOutcome::InControl;
    return QcOutcome::Unjudged;
}

}  // namespace

const wchar_t* QcOutcomeKey(QcOutcome outcome) {
    switch (outcome) {
        case QcOutcome::InControl:
            return L"in_control";
        case QcOutcome::Failed:
            return L"failed";
        case QcOutcome::Undetermined:
            return L"undetermined";
        case QcOutcome::Unjudged:
            break;
    }
    return L"unjudged";
}

Message QcOutcomeMessage(QcOutcome outcome) {
    switch (outcome) {
        case QcOutcome::InControl:
            return MessageCode::QcInControl;
        case QcOutcome::Failed:
            return MessageCode::QcFailed;
        case QcOutcome::Undetermined:
            return MessageCode::QcUndetermined;
        case QcOutcome::Unjudged:
            break;
    }
    return MessageCode::QcUnjudged;
}

QcMeasurement MeasureQc(const QcLine& line, const CalculationData& data, const std::vector<Assay>& assays) {
    Limit limit;
    limit.name = line.Title();  // a name of its own, never shown
    if (!line.peakName.empty()) limit.peakNames = {line.peakName};
    limit.quantity = line.quantity;
    const LimitVerdict verdict = CheckLimits({limit}, data, assays).front();
    QcMeasurement measurement;
    measurement.value = verdict.measured;
    measurement.doubt = verdict.doubt;
    if (!std::isfinite(verdict.measured)) {
        // A damaged concentration: no number to chart or to judge by.
        measurement.value.reset();
        measurement.doubt = MessageCode::QcNotFinite;
        return measurement;
    }
    if (!verdict.unknownPeakNames.empty())
        measurement.doubt = {MessageCode::QcComponentNotInTable, {line.peakName}};
    else if (measurement.doubt.Empty() && !line.peakName.empty() && !Found(line, data))
        measurement.doubt = {MessageCode::QcComponentNotFound, {line.peakName}};
    return measurement;
}

Message QcPoint::Why(const QcLine& line) const {
    if (outcome == QcOutcome::Undetermined) {
        if (limitsInDoubt && result.measurement.Used()) return line.limitsDoubt;
        const Message& doubt = result.measurement.doubt;
        return doubt.Empty() ? Message(MessageCode::QcNotCalculated) : doubt;
    }
    if (outcome == QcOutcome::Unjudged) return {MessageCode::QcNoTolerance, {Nested(limits.why)}};
    std::vector<Message> why;
    for (const RunRule rule : check.hits) why.push_back(RunRuleMessage(rule));
    if (withinTolerance == false) why.push_back({MessageCode::QcOutsideTolerance, {line.toleranceText}});
    if (why.empty()) return {};
    return ListMessage(std::move(why));
}

QcChart MakeQcChart(const QcLine& line, std::vector<QcResult> results) {
    QcChart chart;
    chart.line = line;
    chart.baseline = BaselineText(line);
    std::stable_sort(results.begin(), results.end(),
                     [](const QcResult& a, const QcResult& b) { return a.first < b.first; });
    const std::optional<EstablishedLimits>& established = line.established;
    std::vector<double> base;  // the provisional baseline, on the results' own scale
    RunRuleCheck rules;
    for (QcResult& result : results) {
        QcPoint point;
        const bool used = result.measurement.Used();
        point.plotted = Plotted(line, result.measurement);
        const bool afterBaseline = established && result.first > established->baselineTo;
        point.limits = afterBaseline ? Established(line) : Provisional(base, line);
        point.limitsInDoubt = afterBaseline && !line.limitsDoubt.Empty();
        point.check = rules.Next(used ? point.plotted : std::nullopt, point.limits);
        if (line.tolerance && used) point.withinTolerance = std::fabs(*point.plotted) <= *line.tolerance;
        point.result = std::move(result);
        point.outcome = OutcomeOf(point, line);
        const bool intoBase =
            !afterBaseline && used && point.outcome != QcOutcome::Failed && base.size() < kFullBaseline;
        if (intoBase) base.push_back(*point.result.measurement.value);
        point.inBaseline = established ? used && point.result.first >= established->baselineFrom &&
                                             point.result.last <= established->baselineTo
                                       : intoBase;
        chart.points.push_back(std::move(point));
    }
    chart.limits = established ? Established(line) : Provisional(base, line);
    return chart;
}

QcChart ChartStartingIn(const QcChart& chart, std::optional<int64_t> from, std::optional<int64_t> to) {
    QcChart part;
    part.line = chart.line;
    part.limits = chart.limits;
    part.baseline = chart.baseline;
    for (const QcPoint& point : chart.points) {
        if ((from && point.result.first < *from) || (to && point.result.first >= *to)) continue;
        part.points.push_back(point);
    }
    return part;
}

bool QcNeedsLook(const QcCharts& qc) {
    if (!qc.errors.empty()) return true;
    for (const QcChart& chart : qc.charts) {
        for (const QcPoint& point : chart.points) {
            if (point.outcome == QcOutcome::Failed || point.outcome == QcOutcome::Undetermined) return true;
        }
    }
    return false;
}

bool NoneJudged(const QcCharts& qc) {
    bool any = false;
    for (const QcChart& chart : qc.charts) {
        for (const QcPoint& point : chart.points) {
            if (point.Judged()) return false;
            any = true;
        }
    }
    return any;
}
