#include "qc/QcDocument.h"

#include <algorithm>
#include <cmath>

#include "messages/Catalogue.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "qc/ChartScale.h"
#include "res/ProductVersion.h"
#include "xml/XMLWrapper.h"

namespace {

// Dates along the axis: about this many, whatever the number of points.
constexpr size_t kDateLabels = 12;

std::wstring YesNo(bool value) {
    return value ? L"да" : L"нет";
}

// Four decimals, as the report shows results; a value no measurement gives (1e300 from a damaged row)
// in short, not as three hundred digits.
std::wstring Number(double value) {
    return std::fabs(value) < 1e9 ? FormatFixed(value, 4) : FormatGeneral(value, 6);
}

std::wstring Optional(const std::optional<double>& value) {
    return value ? Number(*value) : std::wstring();
}

// The scales a chart is drawn on: every limit and the tolerance band always shown, a result far beyond
// them drawn at the edge with a mark.
struct Scales {
    ChartScale values;
    ChartScale movingRanges;
};

Scales ScalesOf(const QcChart& chart) {
    std::vector<double> reference;
    std::vector<double> plotted;
    std::vector<double> mrReference = {0.0};
    std::vector<double> ranges;
    for (const QcPoint& point : chart.points) {
        if (point.plotted) plotted.push_back(*point.plotted);
        if (point.check.movingRange) ranges.push_back(*point.check.movingRange);
        if (!point.limits.determined) continue;
        reference.insert(reference.end(), {point.limits.lower, point.limits.upper});
        mrReference.push_back(point.limits.movingRangeUpper);
    }
    if (chart.line.tolerance)
        reference.insert(reference.end(), {-*chart.line.tolerance, *chart.line.tolerance});
    // Room above the highest point for the rules it breaks; a chart without moving ranges still gets an
    // axis from 0 up.
    if (ranges.empty() && mrReference.size() == 1) mrReference.push_back(1.0);
    return {ScaleFor(reference, plotted, 0.08), ScaleFor(mrReference, ranges, 0.0, 4)};
}

std::wstring Fraction(const ChartScale& scale, double value) {
    return FormatFixed(ScaleFraction(scale, value), 4);
}

const wchar_t* Side(const ChartScale& scale, double value) {
    const int side = ScaleSide(scale, value);
    return side > 0 ? L"above" : side < 0 ? L"below" : L"";
}

void AddScale(XMLWrapper& wrapper, const XMLElement& parent, const wchar_t* name, const ChartScale& scale) {
    const XMLElement element = wrapper.AddElement(parent, name);
    wrapper.AddTextElement(element, L"low", FormatGeneral(scale.low, 15));
    wrapper.AddTextElement(element, L"high", FormatGeneral(scale.high, 15));
    for (size_t i = 0; i < scale.ticks.size(); ++i) {
        const XMLElement tick = wrapper.AddElement(element, L"tick");
        wrapper.AddTextElement(tick, L"value", FormatGeneral(scale.ticks[i], 15));
        wrapper.AddTextElement(tick, L"at", Fraction(scale, scale.ticks[i]));
        wrapper.AddTextElement(tick, L"label", scale.labels[i]);
    }
}

const wchar_t* KindOf(const ChartLimits& limits) {
    if (!limits.determined) return L"none";
    return limits.established ? L"established" : L"provisional";
}

void AddLimits(XMLWrapper& wrapper, const XMLElement& parent, const QcChart& chart, Language language) {
    const ChartLimits& limits = chart.limits;
    const XMLElement element = wrapper.AddElement(parent, L"limits");
    wrapper.AddTextElement(element, L"determined", YesNo(limits.determined));
    wrapper.AddTextElement(element, L"why", Render(limits.why, language));
    wrapper.AddIntElement(element, L"baseline_count", static_cast<int32_t>(limits.baselineCount));
    wrapper.AddTextElement(element, L"provisional", YesNo(limits.provisional));
    wrapper.AddTextElement(element, L"baseline", Render(chart.baseline, language));
    wrapper.AddTextElement(element, L"established", YesNo(chart.line.established.has_value()));
    if (const std::optional<EstablishedLimits>& established = chart.line.established) {
        wrapper.AddTextElement(element, L"established_at", LocalDateTimeText(established->at));
        wrapper.AddTextElement(element, L"reason", established->reason);
    }
    const auto provisional = std::count_if(chart.points.begin(), chart.points.end(), [](const QcPoint& p) {
        return p.limits.determined && !p.limits.established;
    });
    wrapper.AddIntElement(element, L"provisional_points", static_cast<int32_t>(provisional));
    if (!limits.determined) return;
    wrapper.AddTextElement(element, L"centre", Number(limits.centre));
    wrapper.AddTextElement(element, L"sigma", Number(limits.sigma));
    wrapper.AddTextElement(element, L"upper", Number(limits.upper));
    wrapper.AddTextElement(element, L"lower", Number(limits.lower));
    wrapper.AddTextElement(element, L"mr_mean", Number(limits.movingRangeMean));
    wrapper.AddTextElement(element, L"mr_upper", Number(limits.movingRangeUpper));
}

bool SameLimits(const ChartLimits& a, const ChartLimits& b) {
    return a.determined == b.determined && a.established == b.established && a.centre == b.centre &&
           a.movingRangeMean == b.movingRangeMean;
}

// The limits along the chart: one segment per run of points held against the same limits, so that
// limits that changed from point to point are drawn as they were.
void AddSegments(XMLWrapper& wrapper, const XMLElement& parent, const QcChart& chart, const Scales& scales) {
    const XMLElement element = wrapper.AddElement(parent, L"segments");
    const std::vector<QcPoint>& points = chart.points;
    for (size_t first = 0; first < points.size();) {
        size_t last = first;
        while (last + 1 < points.size() && SameLimits(points[last + 1].limits, points[first].limits)) ++last;
        const ChartLimits& limits = points[first].limits;
        if (limits.determined) {
            const XMLElement segment = wrapper.AddElement(element, L"segment");
            wrapper.AddIntElement(segment, L"first", static_cast<int32_t>(first + 1));
            wrapper.AddIntElement(segment, L"last", static_cast<int32_t>(last + 1));
            wrapper.AddTextElement(segment, L"kind", KindOf(limits));
            wrapper.AddTextElement(segment, L"centre", Number(limits.centre));
            wrapper.AddTextElement(segment, L"upper", Number(limits.upper));
            wrapper.AddTextElement(segment, L"lower", Number(limits.lower));
            wrapper.AddTextElement(segment, L"mr_mean", Number(limits.movingRangeMean));
            wrapper.AddTextElement(segment, L"mr_upper", Number(limits.movingRangeUpper));
            const std::pair<const wchar_t*, double> lines[] = {
                {L"centre_at", limits.centre},
                {L"upper_at", limits.upper},
                {L"lower_at", limits.lower},
                {L"plus1_at", limits.centre + limits.sigma},
                {L"minus1_at", limits.centre - limits.sigma},
                {L"plus2_at", limits.centre + 2 * limits.sigma},
                {L"minus2_at", limits.centre - 2 * limits.sigma}};
            for (const auto& [name, value] : lines)
                wrapper.AddTextElement(segment, name, Fraction(scales.values, value));
            wrapper.AddTextElement(segment, L"mr_mean_at",
                                   Fraction(scales.movingRanges, limits.movingRangeMean));
            wrapper.AddTextElement(segment, L"mr_upper_at",
                                   Fraction(scales.movingRanges, limits.movingRangeUpper));
        }
        first = last + 1;
    }
}

std::wstring RuleNumbers(const std::vector<RunRule>& hits) {
    std::wstring text;
    for (const RunRule rule : hits)
        text += (text.empty() ? L"" : L",") + std::to_wstring(static_cast<int>(rule));
    return text;
}

// The note of a point whose moving range lies above its limit but counts as no hit.
Message ReturnNote(const QcPoint& point, const QcPoint* previous) {
    if (!point.check.movingRangeReturn) return {};
    const MessageArg from = previous ? MessageArg(MessageMoment{previous->result.first})
                                     : MessageArg(Nested(MessageCode::QcPointBefore));
    return {MessageCode::QcReturnNote,
            {Number(*point.check.movingRange), Number(point.limits.movingRangeUpper), from}};
}

void AddPoint(XMLWrapper& wrapper, const XMLElement& parent, size_t number, const QcPoint& point,
              const QcPoint* previous, const QcLine& line, const Scales& scales, Language language) {
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
    wrapper.AddTextElement(element, L"y", point.plotted ? Fraction(scales.values, *point.plotted) : L"");
    wrapper.AddTextElement(element, L"beyond", point.plotted ? Side(scales.values, *point.plotted) : L"");
    wrapper.AddTextElement(element, L"mr", Optional(point.check.movingRange));
    wrapper.AddTextElement(
        element, L"mr_y",
        point.check.movingRange ? Fraction(scales.movingRanges, *point.check.movingRange) : L"");
    wrapper.AddTextElement(
        element, L"mr_beyond",
        point.check.movingRange ? Side(scales.movingRanges, *point.check.movingRange) : L"");
    wrapper.AddTextElement(element, L"mr_above", YesNo(point.check.movingRangeAbove));
    wrapper.AddTextElement(element, L"mr_return", YesNo(point.check.movingRangeReturn));
    wrapper.AddTextElement(element, L"tolerance",
                           !point.withinTolerance
                               ? L""
                               : Render(*point.withinTolerance ? MessageCode::QcWithinToleranceShort
                                                               : MessageCode::QcOutsideToleranceShort,
                                        language));
    wrapper.AddTextElement(element, L"tolerance_key",
                           !point.withinTolerance   ? L""
                           : *point.withinTolerance ? L"within"
                                                    : L"outside");
    wrapper.AddTextElement(element, L"limits_kind", KindOf(point.limits));
    wrapper.AddTextElement(element, L"outcome", QcOutcomeKey(point.outcome));
    wrapper.AddTextElement(element, L"outcome_text", Render(QcOutcomeMessage(point.outcome), language));
    wrapper.AddTextElement(element, L"why", Render(point.Why(line), language));
    wrapper.AddTextElement(element, L"note", Render(ReturnNote(point, previous), language));
    wrapper.AddTextElement(element, L"rules", RuleNumbers(point.check.hits));
    const XMLElement hits = wrapper.AddElement(element, L"hits");
    for (const RunRule rule : point.check.hits) {
        const XMLElement hit = wrapper.AddElement(hits, L"hit");
        wrapper.AddIntElement(hit, L"rule", static_cast<int32_t>(rule));
        wrapper.AddTextElement(hit, L"text", Render(RunRuleMessage(rule), language));
    }
}

size_t CountOutcome(const QcChart& chart, QcOutcome outcome) {
    return static_cast<size_t>(std::count_if(chart.points.begin(), chart.points.end(),
                                             [outcome](const QcPoint& p) { return p.outcome == outcome; }));
}

void AddChart(XMLWrapper& wrapper, const XMLElement& parent, size_t number, const QcChart& chart,
              Language language) {
    const QcLine& line = chart.line;
    const XMLElement element = wrapper.AddElement(parent, L"chart");
    wrapper.AddIntElement(element, L"number", static_cast<int32_t>(number));
    wrapper.AddTextElement(element, L"title", line.Title(language));
    wrapper.AddTextElement(element, L"sample", line.sample);
    wrapper.AddTextElement(
        element, L"component",
        line.peakName.empty() ? Render(MessageCode::QcTotalOxygen, language) : line.peakName);
    wrapper.AddTextElement(element, L"quantity", QuantityText(line.quantity, language));
    wrapper.AddTextElement(element, L"accepted", line.acceptedText);
    wrapper.AddTextElement(element, L"tolerance", line.toleranceText);
    wrapper.AddIntElement(element, L"failed", static_cast<int32_t>(CountOutcome(chart, QcOutcome::Failed)));
    wrapper.AddIntElement(element, L"undetermined",
                          static_cast<int32_t>(CountOutcome(chart, QcOutcome::Undetermined)));
    AddLimits(wrapper, element, chart, language);
    const Scales scales = ScalesOf(chart);
    AddScale(wrapper, element, L"scale", scales.values);
    AddScale(wrapper, element, L"mr_scale", scales.movingRanges);
    if (line.tolerance) {
        wrapper.AddTextElement(element, L"tolerance_upper_at", Fraction(scales.values, *line.tolerance));
        wrapper.AddTextElement(element, L"tolerance_lower_at", Fraction(scales.values, -*line.tolerance));
    }
    AddSegments(wrapper, element, chart, scales);
    const size_t every = std::max<size_t>(1, (chart.points.size() + kDateLabels - 1) / kDateLabels);
    wrapper.AddIntElement(element, L"label_every", static_cast<int32_t>(every));
    const XMLElement points = wrapper.AddElement(element, L"points");
    // A point's moving range is to the previous used point of the whole chart, which may lie before the
    // range shown.
    const QcPoint* previous = nullptr;
    for (size_t i = 0; i < chart.points.size(); ++i) {
        AddPoint(wrapper, points, i + 1, chart.points[i], previous, line, scales, language);
        if (chart.points[i].result.measurement.Used()) previous = &chart.points[i];
    }
}

}  // namespace

void AddQcCharts(XMLWrapper& wrapper, const QcCharts& qc, Language language) {
    const XMLElement element = wrapper.AddElement(XMLElement(), L"qc");
    wrapper.AddTextElement(element, L"file", qc.file);
    const XMLElement errors = wrapper.AddElement(element, L"errors");
    for (const Message& error : qc.errors) wrapper.AddTextElement(errors, L"error", Render(error, language));
    wrapper.AddTextElement(element, L"none_judged", YesNo(NoneJudged(qc)));
    for (size_t i = 0; i < qc.charts.size(); ++i) AddChart(wrapper, element, i + 1, qc.charts[i], language);
}

void FillQcDocument(XMLWrapper& wrapper, const QcCharts& qc, const std::wstring& range, int64_t createdAt,
                    Language language) {
    const XMLElement program = wrapper.AddElement(XMLElement(), L"program");
    wrapper.AddTextElement(program, L"name", L"oxycalc");
    wrapper.AddTextElement(program, L"version", kPluginVersionText);
    wrapper.AddTextElement(XMLElement(), L"range", range);
    wrapper.AddTextElement(XMLElement(), L"created", LocalDateTimeText(createdAt));
    AddQcCharts(wrapper, qc, language);
}
