#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "messages/Message.h"

// Individuals (I) and moving range (MR) charts of consecutive results: limits from a baseline and the
// zone rules every point is held against. Values come in the order the results were made; a result
// that is not used (its basis is undetermined) is nothing here and is skipped as if it were not there.

// Results a baseline needs before its limits are more than provisional.
constexpr size_t kFullBaseline = 20;
// The fewest earlier results that give provisional limits: a result with fewer before it is not judged
// by limits.
constexpr size_t kLeastBaseline = 5;
// The factors of an individuals chart: I limits at the mean ± 2.66 · MR̄ (3σ, with σ = MR̄ / 1.128) and
// the MR chart's upper limit at 3.267 · MR̄.
constexpr double kIndividualsFactor = 2.66;
constexpr double kMovingRangeFactor = 3.267;

// What a point can break; each hit is named on its point.
enum class RunRule {
    BeyondLimit = 1,       // the point lies beyond 3σ
    TwoOfThree = 2,        // it is the second of 3 consecutive points beyond 2σ on one side
    FourOfFive = 3,        // it is the fourth of 5 consecutive points beyond 1σ on one side
    EightOnOneSide = 4,    // it is the eighth (or later) in a row on one side of the centre line
    MovingRangeAbove = 5,  // its moving range lies above the MR chart's limit
};

// The rule as pages name it: "за пределом 3σ", "2 из 3 подряд за 2σ по одну сторону", …
Message RunRuleMessage(RunRule rule);

// The centre line and limits of a chart.
struct ChartLimits {
    bool determined = false;   // false: too few or too uniform baseline results; no rule is applied
    Message why;               // why not, for the page
    size_t baselineCount = 0;  // results the limits come from
    bool provisional = false;  // fewer than kFullBaseline of them: "предварительные"
    double centre = 0.0;
    double sigma = 0.0;  // kIndividualsFactor / 3 · MR̄: a third of the distance to the I limits
    double upper = 0.0;
    double lower = 0.0;
    double movingRangeMean = 0.0;   // MR̄
    double movingRangeUpper = 0.0;  // kMovingRangeFactor · MR̄
    bool established = false;       // recorded by the lab once, not computed from the results at hand
};

// Limits from the baseline's results in the order they were made: their mean, and the mean of the
// moving ranges between neighbours. Undetermined with fewer than two results or when every moving range
// is 0 (results all alike, or rounded alike): such a chart would call any change out of control.
ChartLimits LimitsFromBaseline(const std::vector<double>& baseline);
// Limits of a centre line and a mean moving range known already (limits a lab established); undetermined
// when MR̄ is not a positive number or the centre no finite one.
ChartLimits LimitsFromMeans(double centre, double movingRangeMean);
// The same limits on a scale moved by `by` (a chart of the results minus an accepted value).
ChartLimits Shifted(ChartLimits limits, double by);

// One point held against the limits.
struct ChartPointCheck {
    std::optional<double> movingRange;  // to the previous used point; none for the first or an unused one
    bool movingRangeAbove = false;      // above the MR limit, whether or not it counts as a hit
    // Above the MR limit but no hit: the return from the previous point, which broke an individuals rule.
    bool movingRangeReturn = false;
    std::vector<RunRule> hits;  // in rule order

    bool OutOfControl() const { return !hits.empty(); }
};

// Holds consecutive values against the rules one at a time, each against the limits in force for it; the
// windows of the rules reach back over every used value given before. A moving range above its limit
// counts as a hit only when the previous point broke no individuals rule: one outlier makes two large
// moving ranges, into it and back, and the jump back belongs to the point that broke the rule.
class RunRuleCheck {
public:
    // The check of the next value; none: a result that is not used, skipped as if it were not there.
    ChartPointCheck Next(const std::optional<double>& value, const ChartLimits& limits);

private:
    std::vector<double> used_;
    bool previousBroke_ = false;
};

// Every point against the same limits (none applied when they are not determined).
std::vector<ChartPointCheck> CheckPoints(const std::vector<std::optional<double>>& values,
                                         const ChartLimits& limits);
