#include "calc/QcChart.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "calc/Limits.h"
#include "calc/NameCompare.h"
#include "calc/RoundTo4.h"

namespace {

bool Found(const QcLine& line, const CalculationData& data) {
    return std::any_of(data.results.begin(), data.results.end(),
                       [&line](const ComponentResult& r) { return EqualNoCase(r.peakName, line.peakName); });
}

std::vector<double> UsedValues(const std::vector<QcResult>& results, size_t most) {
    std::vector<double> values;
    for (const QcResult& result : results) {
        if (values.size() == most) break;
        if (result.measurement.Used()) values.push_back(*result.measurement.value);
    }
    return values;
}

std::optional<double> Plotted(const QcLine& line, const QcMeasurement& measurement) {
    if (!measurement.value) return std::nullopt;
    return line.accepted ? RoundTo4(*measurement.value - *line.accepted) : *measurement.value;
}

QcOutcome OutcomeOf(const QcPoint& point, const QcLine& line, const ChartLimits& limits) {
    if (!point.result.measurement.Used()) return QcOutcome::Undetermined;
    if (point.check.OutOfControl() || point.withinTolerance == false) return QcOutcome::Failed;
    if (limits.determined || line.tolerance) return QcOutcome::InControl;
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

std::wstring QcOutcomeText(QcOutcome outcome) {
    switch (outcome) {
        case QcOutcome::InControl:
            return L"в норме";
        case QcOutcome::Failed:
            return L"не пройден";
        case QcOutcome::Undetermined:
            return L"не определён";
        case QcOutcome::Unjudged:
            break;
    }
    return L"не оценён: нет пределов и допуска";
}

QcMeasurement MeasureQc(const QcLine& line, const CalculationData& data, const std::vector<Assay>& assays) {
    Limit limit;
    limit.name = line.Title();
    if (!line.peakName.empty()) limit.peakNames = {line.peakName};
    limit.quantity = line.quantity;
    const LimitVerdict verdict = CheckLimits({limit}, data, assays).front();
    QcMeasurement measurement;
    measurement.value = verdict.measured;
    measurement.doubt = verdict.doubt;
    if (!verdict.unknownPeakNames.empty())
        measurement.doubt = L"компонента «" + line.peakName + L"» нет в таблице компонентов";
    else if (measurement.doubt.empty() && !line.peakName.empty() && !Found(line, data))
        measurement.doubt = L"компонент «" + line.peakName + L"» не найден в хроматограммах";
    return measurement;
}

std::wstring QcPoint::Why(const QcLine& line) const {
    if (outcome == QcOutcome::Undetermined) {
        const std::wstring& doubt = result.measurement.doubt;
        return doubt.empty() ? std::wstring(L"результат не рассчитан") : doubt;
    }
    std::wstring why;
    for (const RunRule rule : check.hits) why += (why.empty() ? L"" : L"; ") + RunRuleText(rule);
    if (withinTolerance == false)
        why += (why.empty() ? L"" : L"; ") + (L"вне допуска ±" + line.toleranceText);
    return why;
}

QcChart MakeQcChart(const QcLine& line, std::vector<QcResult> results,
                    const std::optional<std::vector<QcResult>>& baseline, std::wstring baselineText) {
    QcChart chart;
    chart.line = line;
    chart.baseline = std::move(baselineText);
    std::stable_sort(results.begin(), results.end(),
                     [](const QcResult& a, const QcResult& b) { return a.first < b.first; });
    const std::vector<QcResult>& from = baseline ? *baseline : results;
    // Limits are drawn on the plotted scale: from the baseline's values minus the accepted value.
    std::vector<double> baseValues = UsedValues(from, baseline ? from.size() : kFullBaseline);
    for (double& value : baseValues) value = *Plotted(line, QcMeasurement{value, {}});
    chart.limits = LimitsFromBaseline(baseValues);
    std::set<std::wstring> baseKeys;
    for (const QcResult& result : from) {
        if (!result.measurement.Used()) continue;
        if (!baseline && baseKeys.size() == kFullBaseline) break;
        baseKeys.insert(result.seriesKey);
    }
    std::vector<std::optional<double>> values;
    for (QcResult& result : results) {
        QcPoint point;
        point.plotted = Plotted(line, result.measurement);
        point.inBaseline = baseKeys.count(result.seriesKey) != 0;
        values.push_back(result.measurement.Used() ? point.plotted : std::nullopt);
        point.result = std::move(result);
        chart.points.push_back(std::move(point));
    }
    const std::vector<ChartPointCheck> checks = CheckPoints(values, chart.limits);
    for (size_t i = 0; i < chart.points.size(); ++i) {
        QcPoint& point = chart.points[i];
        point.check = checks[i];
        if (line.tolerance && point.result.measurement.Used())
            point.withinTolerance = std::fabs(*point.plotted) <= *line.tolerance;
        point.outcome = OutcomeOf(point, line, chart.limits);
    }
    return chart;
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
