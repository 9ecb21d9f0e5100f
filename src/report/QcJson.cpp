#include "report/QcJson.h"

#include <nlohmann/json.hpp>

#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"
#include "res/ProductVersion.h"

namespace {

using Json = nlohmann::ordered_json;

std::string Text(const std::wstring& text) {
    return ToUtf8(text);
}

// The value as the page prints it, read back; null when there is none.
Json Shown(const std::optional<double>& value) {
    if (!value) return nullptr;
    return ParseDouble(FormatFixed(*value, 4));
}

Json Limits(const QcChart& chart) {
    const ChartLimits& limits = chart.limits;
    const auto shown = [&limits](double value) { return limits.determined ? Shown(value) : Json(nullptr); };
    return {{"determined", limits.determined},
            {"why", Text(limits.why)},
            {"baseline", Text(chart.baseline)},
            {"baseline_results", limits.baselineCount},
            {"provisional", limits.provisional},
            {"centre", shown(limits.centre)},
            {"sigma", shown(limits.sigma)},
            {"upper", shown(limits.upper)},
            {"lower", shown(limits.lower)},
            {"moving_range_mean", shown(limits.movingRangeMean)},
            {"moving_range_upper", shown(limits.movingRangeUpper)}};
}

Json Point(const QcPoint& point) {
    Json hits = Json::array();
    for (const RunRule rule : point.check.hits)
        hits.push_back({{"rule", static_cast<int>(rule)}, {"text", Text(RunRuleText(rule))}});
    const QcResult& result = point.result;
    return {{"first_analysis_utc",
             IsShowableMoment(result.first) ? Json(Text(UtcIsoText(result.first))) : Json(nullptr)},
            {"series", Text(result.seriesKey)},
            {"report", Text(result.report)},
            {"value", Shown(result.measurement.value)},
            {"plotted", Shown(point.plotted)},
            {"used", result.measurement.Used()},
            {"doubt", Text(result.measurement.doubt)},
            {"in_baseline", point.inBaseline},
            {"moving_range", Shown(point.check.movingRange)},
            {"moving_range_above_limit", point.check.movingRangeAbove},
            {"within_tolerance", point.withinTolerance ? Json(*point.withinTolerance) : Json(nullptr)},
            {"outcome", Text(QcOutcomeKey(point.outcome))},
            {"rule_hits", hits}};
}

Json Chart(const QcChart& chart) {
    const QcLine& line = chart.line;
    Json points = Json::array();
    for (const QcPoint& point : chart.points) points.push_back(Point(point));
    return {{"sample", Text(line.sample)},
            {"peak_name", line.peakName.empty() ? Json(nullptr) : Json(Text(line.peakName))},
            {"quantity", line.quantity == LimitQuantity::MassPercent ? "mass_percent" : "volume_percent"},
            {"accepted_value", line.accepted ? Json(*line.accepted) : Json(nullptr)},
            {"tolerance", line.tolerance ? Json(*line.tolerance) : Json(nullptr)},
            {"plotted", line.accepted ? "result_minus_accepted" : "result"},
            {"limits", Limits(chart)},
            {"points", points}};
}

}  // namespace

std::string QcJson(const QcCharts& qc, const std::wstring& range, int64_t createdAt) {
    Json errors = Json::array();
    for (const std::wstring& error : qc.errors) errors.push_back(Text(error));
    Json charts = Json::array();
    for (const QcChart& chart : qc.charts) charts.push_back(Chart(chart));
    const Json json = {{"format", "oxycalc-qc"},
                       {"format_version", 1},
                       {"program", {{"name", "oxycalc"}, {"version", Text(kPluginVersionText)}}},
                       {"created_utc", Text(UtcIsoText(createdAt))},
                       {"range", Text(range)},
                       {"file", Text(qc.file)},
                       {"errors", errors},
                       {"charts", charts}};
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
