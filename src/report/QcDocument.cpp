#include "report/QcDocument.h"

#include <algorithm>
#include <cmath>

#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "report/ChartScale.h"
#include "report/XMLWrapper.h"
#include "res/ProductVersion.h"

namespace {

// Dates along the axis: about this many, whatever the number of points.
constexpr size_t kDateLabels = 12;

std::wstring YesNo(bool value) {
    return value ? L"да" : L"нет";
}

std::wstring Number(double value) {
    return FormatFixed(value, 4);
}

std::wstring Optional(const std::optional<double>& value) {
    return value ? Number(*value) : std::wstring();
}

// The values the individuals chart must show: every plotted point, the limits, the tolerance band.
ChartScale IndividualsScale(const QcChart& chart) {
    std::vector<double> shown;
    for (const QcPoint& point : chart.points) {
        if (point.plotted) shown.push_back(*point.plotted);
    }
    const ChartLimits& limits = chart.limits;
    if (limits.determined) shown.insert(shown.end(), {limits.lower, limits.upper});
    if (chart.line.tolerance) shown.insert(shown.end(), {-*chart.line.tolerance, *chart.line.tolerance});
    if (shown.empty()) shown.push_back(0.0);
    const auto [lowest, highest] = std::minmax_element(shown.begin(), shown.end());
    // Room above the highest point for the rules it breaks.
    return NiceScale(*lowest, *highest + 0.08 * (*highest - *lowest));
}

ChartScale MovingRangeScale(const QcChart& chart) {
    double highest = chart.limits.determined ? chart.limits.movingRangeUpper : 0.0;
    for (const QcPoint& point : chart.points) {
        if (point.check.movingRange) highest = std::max(highest, *point.check.movingRange);
    }
    // A chart without moving ranges still gets an axis from 0 up.
    return NiceScale(0.0, highest > 0.0 ? highest : 1.0, 4);
}

void AddScale(XMLWrapper& wrapper, const XMLElement& parent, const wchar_t* name, const ChartScale& scale) {
    const XMLElement element = wrapper.AddElement(parent, name);
    wrapper.AddTextElement(element, L"low", FormatGeneral(scale.low, 15));
    wrapper.AddTextElement(element, L"high", FormatGeneral(scale.high, 15));
    for (size_t i = 0; i < scale.ticks.size(); ++i) {
        const XMLElement tick = wrapper.AddElement(element, L"tick");
        wrapper.AddTextElement(tick, L"value", FormatGeneral(scale.ticks[i], 15));
        wrapper.AddTextElement(tick, L"label", scale.labels[i]);
    }
}

void AddLimits(XMLWrapper& wrapper, const XMLElement& parent, const QcChart& chart) {
    const ChartLimits& limits = chart.limits;
    const XMLElement element = wrapper.AddElement(parent, L"limits");
    wrapper.AddTextElement(element, L"determined", YesNo(limits.determined));
    wrapper.AddTextElement(element, L"why", limits.why);
    wrapper.AddIntElement(element, L"baseline_count", static_cast<int32_t>(limits.baselineCount));
    wrapper.AddTextElement(element, L"provisional", YesNo(limits.provisional));
    wrapper.AddTextElement(element, L"baseline", chart.baseline);
    if (!limits.determined) return;
    wrapper.AddTextElement(element, L"centre", Number(limits.centre));
    wrapper.AddTextElement(element, L"sigma", Number(limits.sigma));
    wrapper.AddTextElement(element, L"upper", Number(limits.upper));
    wrapper.AddTextElement(element, L"lower", Number(limits.lower));
    wrapper.AddTextElement(element, L"mr_mean", Number(limits.movingRangeMean));
    wrapper.AddTextElement(element, L"mr_upper", Number(limits.movingRangeUpper));
}

std::wstring RuleNumbers(const std::vector<RunRule>& hits) {
    std::wstring text;
    for (const RunRule rule : hits)
        text += (text.empty() ? L"" : L",") + std::to_wstring(static_cast<int>(rule));
    return text;
}

void AddPoint(XMLWrapper& wrapper, const XMLElement& parent, size_t number, const QcPoint& point,
              const QcLine& line) {
    const XMLElement element = wrapper.AddElement(parent, L"point");
    wrapper.AddIntElement(element, L"index", static_cast<int32_t>(number));
    const std::wstring moment = LocalTimeText(point.result.first);
    wrapper.AddTextElement(element, L"moment", moment);
    wrapper.AddTextElement(element, L"day", moment.substr(0, 8));
    wrapper.AddTextElement(element, L"report", point.result.report);
    wrapper.AddTextElement(element, L"value", Optional(point.result.measurement.value));
    wrapper.AddTextElement(element, L"plotted", Optional(point.plotted));
    wrapper.AddTextElement(element, L"used", YesNo(point.result.measurement.Used()));
    wrapper.AddTextElement(element, L"baseline", YesNo(point.inBaseline));
    wrapper.AddTextElement(element, L"mr", Optional(point.check.movingRange));
    wrapper.AddTextElement(element, L"mr_above", YesNo(point.check.movingRangeAbove));
    wrapper.AddTextElement(element, L"tolerance",
                           !point.withinTolerance   ? L""
                           : *point.withinTolerance ? L"в допуске"
                                                    : L"вне допуска");
    wrapper.AddTextElement(element, L"outcome", QcOutcomeKey(point.outcome));
    wrapper.AddTextElement(element, L"outcome_text", QcOutcomeText(point.outcome));
    wrapper.AddTextElement(element, L"why", point.Why(line));
    wrapper.AddTextElement(element, L"rules", RuleNumbers(point.check.hits));
    const XMLElement hits = wrapper.AddElement(element, L"hits");
    for (const RunRule rule : point.check.hits) {
        const XMLElement hit = wrapper.AddElement(hits, L"hit");
        wrapper.AddIntElement(hit, L"rule", static_cast<int32_t>(rule));
        wrapper.AddTextElement(hit, L"text", RunRuleText(rule));
    }
}

size_t CountOutcome(const QcChart& chart, QcOutcome outcome) {
    return static_cast<size_t>(std::count_if(chart.points.begin(), chart.points.end(),
                                             [outcome](const QcPoint& p) { return p.outcome == outcome; }));
}

void AddChart(XMLWrapper& wrapper, const XMLElement& parent, size_t number, const QcChart& chart) {
    const QcLine& line = chart.line;
    const XMLElement element = wrapper.AddElement(parent, L"chart");
    wrapper.AddIntElement(element, L"number", static_cast<int32_t>(number));
    wrapper.AddTextElement(element, L"title", line.Title());
    wrapper.AddTextElement(element, L"sample", line.sample);
    wrapper.AddTextElement(
        element, L"component",
        line.peakName.empty() ? L"общее содержание органически связанного кислорода" : line.peakName);
    wrapper.AddTextElement(element, L"quantity", QuantityText(line.quantity));
    wrapper.AddTextElement(element, L"accepted", line.acceptedText);
    wrapper.AddTextElement(element, L"tolerance", line.toleranceText);
    wrapper.AddIntElement(element, L"failed", static_cast<int32_t>(CountOutcome(chart, QcOutcome::Failed)));
    wrapper.AddIntElement(element, L"undetermined",
                          static_cast<int32_t>(CountOutcome(chart, QcOutcome::Undetermined)));
    AddLimits(wrapper, element, chart);
    AddScale(wrapper, element, L"scale", IndividualsScale(chart));
    AddScale(wrapper, element, L"mr_scale", MovingRangeScale(chart));
    const size_t every = std::max<size_t>(1, (chart.points.size() + kDateLabels - 1) / kDateLabels);
    wrapper.AddIntElement(element, L"label_every", static_cast<int32_t>(every));
    const XMLElement points = wrapper.AddElement(element, L"points");
    for (size_t i = 0; i < chart.points.size(); ++i) AddPoint(wrapper, points, i + 1, chart.points[i], line);
}

}  // namespace

void AddQcCharts(XMLWrapper& wrapper, const QcCharts& qc) {
    const XMLElement element = wrapper.AddElement(XMLElement(), L"qc");
    wrapper.AddTextElement(element, L"file", qc.file);
    const XMLElement errors = wrapper.AddElement(element, L"errors");
    for (const std::wstring& error : qc.errors) wrapper.AddTextElement(errors, L"error", error);
    for (size_t i = 0; i < qc.charts.size(); ++i) AddChart(wrapper, element, i + 1, qc.charts[i]);
}

void FillQcDocument(XMLWrapper& wrapper, const QcCharts& qc, const std::wstring& range, int64_t createdAt) {
    const XMLElement program = wrapper.AddElement(XMLElement(), L"program");
    wrapper.AddTextElement(program, L"name", L"oxycalc");
    wrapper.AddTextElement(program, L"version", kPluginVersionText);
    wrapper.AddTextElement(XMLElement(), L"range", range);
    wrapper.AddTextElement(XMLElement(), L"created", LocalDateTimeText(createdAt));
    AddQcCharts(wrapper, qc);
}
