#pragma once

#include <cstdint>
#include <optional>

#include <nlohmann/json.hpp>

#include "qc/ControlChart.h"
#include "tables/QcFile.h"

// The members a chart's limits have wherever a document for programs holds them (the QC charts, the
// report's quality mark): one shape, so that a LIMS reads both alike.

// "none" (undetermined), "established" (recorded by the lab) or "provisional"/computed: see ChartLimits.
const char* LimitsKind(const ChartLimits& limits);

// baseline_results, provisional, centre, sigma, upper, lower, moving_range_mean, moving_range_upper: the
// values as the page prints them (four decimals), null while the limits are undetermined.
void AddLimitValues(nlohmann::ordered_json& json, const ChartLimits& limits);

// established_utc, reason, baseline_from_utc, baseline_to_utc: what the lab recorded; null unless it did.
void AddEstablishment(nlohmann::ordered_json& json, const std::optional<EstablishedLimits>& established);

// A moment as "YYYY-MM-DDThh:mm:ssZ"; null when it cannot be shown.
nlohmann::ordered_json UtcMoment(int64_t moment);
