#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Individuals (I) and moving range (MR) charts of consecutive results: limits from a baseline and the
// zone rules every point is held against. Values come in the order the results were made; a result
// that is not used (its basis is undetermined) is nothing here and is skipped as if it were not there.

// Results a baseline needs before its limits are more than provisional.
constexpr size_t kFullBaseline = 20;
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
std::wstring RunRuleText(RunRule rule);

// The centre line and limits of a chart.
struct ChartLimits {
    bool determined = false;   // false: too few or too uniform baseline results; no rule is applied
    std::wstring why;          // why not, for the page
    size_t baselineCount = 0;  // results the limits come from
    bool provisional = false;  // fewer than kFullBaseline of them: "предварительные"
    double centre = 0.0;
    double sigma = 0.0;  // kIndividualsFactor / 3 · MR̄: a third of the distance to the I limits
    double upper = 0.0;
    double lower = 0.0;
    double movingRangeMean = 0.0;   // MR̄
    double movingRangeUpper = 0.0;  // kMovingRangeFactor · MR̄
};

// Limits from the baseline's results in the order they were made: their mean, and the mean of the
// moving ranges between neighbours. Undetermined with fewer than two results or when every moving range
// is 0 (results all alike, or rounded alike): such a chart would call any change out of control.
ChartLimits LimitsFromBaseline(const std::vector<double>& baseline);

// One point held against the limits.
struct ChartPointCheck {
    std::optional<double> movingRange;  // to the previous used point; none for the first or an unused one
    bool movingRangeAbove = false;      // above the MR limit, whether or not it counts as a hit
    std::vector<RunRule> hits;          // in rule order

    bool OutOfControl() const { return !hits.empty(); }
};

// Every point against the limits (none applied when they are not determined). A moving range above its
// limit counts as a hit only when the previous point broke no individuals rule: the jump back from an
// out-of-control point belongs to that point, not to the next one.
std::vector<ChartPointCheck> CheckPoints(const std::vector<std::optional<double>>& values,
                                         const ChartLimits& limits);
