#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/Limit.h"

// Nothing when no file is at the path (no limits are set); otherwise what it holds, an error when it
// does not open. The file's change log is kept as at every read of a reference table.
std::optional<LimitsFile> ReadLimitsFile(const std::wstring& path);
// The same without touching the change log: for a check that only looks.
std::optional<LimitsFile> ParseLimitsFile(const std::wstring& path);

// Why the total organically bound oxygen of a finished calculation (its warnings and limits set) of the
// ticked chromatograms of `assays` is no result: what would leave a limit of it undetermined, a spread of a
// component's parallels above its r included. Empty when it is a result.
std::wstring TotalOxygenDoubt(const CalculationData& data, const std::vector<Assay>& assays);

// Each limit against a finished calculation (its warnings set) of the ticked chromatograms of `assays`; a
// limit of the total oxygen is undetermined exactly when TotalOxygenDoubt names a reason.
std::vector<LimitVerdict> CheckLimits(const std::vector<Limit>& limits, const CalculationData& data,
                                      const std::vector<Assay>& assays);

// The repeatability limit r that a limit of this one component gives, if any.
std::optional<double> RepeatabilityLimit(const std::vector<Limit>& limits, const ComponentResult& result);
// Whether the spread between the parallel determinations, as the report shows it, exceeds r.
bool RepeatabilityExceeded(const ComponentResult& result, double r);
