#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/LimitVerdict.h"
#include "data/Assay.h"
#include "messages/Message.h"

// Why the total organically bound oxygen of a finished calculation (its warnings and limits set) of the
// ticked chromatograms of `assays` is no result: what would leave a limit of it undetermined, a spread of a
// component's parallels above its r included. Empty when it is a result.
Message TotalOxygenDoubt(const CalculationData& data, const std::vector<Assay>& assays);

// Each limit against a finished calculation (its warnings set) of the ticked chromatograms of `assays`, by
// `rule` (none: a rule the limits file names and this program does not know: every verdict undetermined);
// a limit of the total oxygen is undetermined exactly when TotalOxygenDoubt names a reason.
std::vector<LimitVerdict> CheckLimits(const std::vector<Limit>& limits, const CalculationData& data,
                                      const std::vector<Assay>& assays,
                                      std::optional<DecisionRule> rule = DecisionRule::Simple);

// The outcome of a result X (rounded as the report shows it) against a limit L under a rule, with what a
// guard-banded rule rests on: w = 0.59·R(X) (0.59 ≈ 1.645 / 2.77, one-sided 95 % over R's 95 % spread).
// ISO 4259-2 exceeds only beyond L + w; ILAC G8 conforms up to L − w, conditionally up to L, conditionally
// exceeds up to L + w, exceeds beyond. A guard-banded rule on a limit without R leaves it undetermined.
void Decide(LimitVerdict& verdict, DecisionRule rule);

// How the verdicts against the limits are reached, as a report states it.
Message DecisionRuleStatement(const std::optional<LimitsFile>& limits);
// A line for where a lab looks first (the dialog's warnings, the console) when the rule is not simple
// acceptance; empty under it.
Message DecisionRuleNotice(const std::optional<LimitsFile>& limits);
// The rule's key for programs: "simple", "iso_4259_2", "ilac_g8", "unknown".
const char* DecisionRuleKey(const std::optional<LimitsFile>& limits);

// The repeatability limit r that a limit of this one component gives, if any.
std::optional<double> RepeatabilityLimit(const std::vector<Limit>& limits, const ComponentResult& result);
// Whether the spread between the parallel determinations, as the report shows it, exceeds r.
bool RepeatabilityExceeded(const ComponentResult& result, double r);
