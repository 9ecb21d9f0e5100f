#include "qc/QcJson.h"

#include <nlohmann/json.hpp>

#include "messages/Catalogue.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"
#include "qc/ChartLimitsJson.h"
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

// The limits a point was held against.
Json PointLimits(const ChartLimits& limits) {
    Json json = {{"kind", LimitsKind(limits)}};
    AddLimitValues(json, limits);
    for (const char* member : {"provisional", "sigma", "moving_range_mean"}) json.erase(member);
    return json;
}

Json Limits(const QcChart& chart, Language language) {
    Json json = {{"determined", chart.limits.determined},
                 {"why", Text(Render(chart.limits.why, language))},
                 {"baseline", Text(Render(chart.baseline, language))}};
    AddLimitValues(json, chart.limits);
    json["established"] = chart.line.established.has_value();
    AddEstablishment(json, chart.line.established);
    return json;
}

Json Point(const QcPoint& point, Language language) {
    Json hits = Json::array();
    for (const RunRule rule : point.check.hits)
        hits.push_back(
            {{"rule", static_cast<int>(rule)}, {"text", Text(Render(RunRuleMessage(rule), language))}});
    const QcResult& result = point.result;
    return {{"first_analysis_utc", UtcMoment(result.first)},
            {"series", Text(result.seriesKey)},
            {"report", Text(result.report)},
            {"value", Shown(result.measurement.value)},
            {"plotted", Shown(point.plotted)},
            {"used", result.measurement.Used()},
            {"doubt", Text(Render(result.measurement.doubt, language))},
            {"in_baseline", point.inBaseline},
            {"moving_range", Shown(point.check.movingRange)},
            {"moving_range_above_limit", point.check.movingRangeAbove},
            {"moving_range_return", point.check.movingRangeReturn},
            {"within_tolerance", point.withinTolerance ? Json(*point.withinTolerance) : Json(nullptr)},
            {"outcome", Text(QcOutcomeKey(point.outcome))},
            {"rule_hits", hits},
            {"limits", PointLimits(point.limits)}};
}

Json Chart(const QcChart& chart, Language language) {
    const QcLine& line = chart.line;
    Json points = Json::array();
    for (const QcPoint& point : chart.points) points.push_back(Point(point, language));
    return {{"sample", Text(line.sample)},
            {"peak_name", line.peakName.empty() ? Json(nullptr) : Json(Text(line.peakName))},
            {"quantity", line.quantity == LimitQuantity::MassPercent ? "mass_percent" : "volume_percent"},
            {"accepted_value", line.accepted ? Json(*line.accepted) : Json(nullptr)},
            {"tolerance", line.tolerance ? Json(*line.tolerance) : Json(nullptr)},
            {"plotted", line.accepted ? "result_minus_accepted" : "result"},
            {"limits", Limits(chart, language)},
            {"points", points}};
}

}  // namespace

std::string QcJson(const QcCharts& qc, const std::wstring& range, int64_t createdAt, Language language) {
    Json errors = Json::array();
    for (const Message& error : qc.errors) errors.push_back(Text(Render(error, language)));
    Json charts = Json::array();
    for (const QcChart& chart : qc.charts) charts.push_back(Chart(chart, language));
    const Json json = {{"format", "oxycalc-qc"},
                       {"format_version", 1},
                       {"program", {{"name", "oxycalc"}, {"version", Text(kPluginVersionText)}}},
                       {"created_utc", Text(UtcIsoText(createdAt))},
                       {"range", Text(range)},
                       {"file", Text(qc.file)},
                       {"errors", errors},
                       {"charts", charts},
                       {"none_judged", NoneJudged(qc)}};
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
