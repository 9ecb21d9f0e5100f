#include "qc/ChartLimitsJson.h"

#include <cmath>

#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"

using Json = nlohmann::ordered_json;

const char* LimitsKind(const ChartLimits& limits) {
    if (!limits.determined) return "none";
    return limits.established ? "established" : "provisional";
}

void AddLimitValues(Json& json, const ChartLimits& limits) {
    const auto shown = [&limits](double value) {
        return limits.determined && std::isfinite(value) ? Json(ParseDouble(FormatFixed(value, 4)))
                                                         : Json(nullptr);
    };
    json["baseline_results"] = limits.baselineCount;
    json["provisional"] = limits.provisional;
    json["centre"] = shown(limits.centre);
    json["sigma"] = shown(limits.sigma);
    json["upper"] = shown(limits.upper);
    json["lower"] = shown(limits.lower);
    json["moving_range_mean"] = shown(limits.movingRangeMean);
    json["moving_range_upper"] = shown(limits.movingRangeUpper);
}

void AddEstablishment(Json& json, const std::optional<EstablishedLimits>& established) {
    json["established_utc"] = established ? UtcMoment(established->at) : Json(nullptr);
    json["reason"] = established ? Json(ToUtf8(established->reason)) : Json(nullptr);
    json["baseline_from_utc"] = established ? UtcMoment(established->baselineFrom) : Json(nullptr);
    json["baseline_to_utc"] = established ? UtcMoment(established->baselineTo) : Json(nullptr);
}

Json UtcMoment(int64_t moment) {
    return IsShowableMoment(moment) ? Json(ToUtf8(UtcIsoText(moment))) : Json(nullptr);
}
