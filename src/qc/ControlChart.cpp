#include "qc/ControlChart.h"

#include <algorithm>
#include <cmath>

namespace {

// Which side of the centre line a value lies on beyond `sigmas` standard deviations: +1, -1 or 0.
int SideBeyond(double value, const ChartLimits& limits, double sigmas) {
    const double distance = value - limits.centre;
    if (distance > sigmas * limits.sigma) return 1;
    if (distance < -sigmas * limits.sigma) return -1;
    return 0;
}

int SideOf(double value, const ChartLimits& limits) {
    return SideBeyond(value, limits, 0.0);
}

// Whether at least `needed` of the last `window` used values (the one at `end` the last) lie beyond
// `sigmas` on the side of the last one, which must lie there itself.
bool ManyBeyond(const std::vector<double>& used, size_t end, size_t window, size_t needed, double sigmas,
                const ChartLimits& limits) {
    const int side = SideBeyond(used[end], limits, sigmas);
    if (side == 0) return false;
    const size_t first = end + 1 >= window ? end + 1 - window : 0;
    size_t count = 0;
    for (size_t i = first; i <= end; ++i) {
        if (SideBeyond(used[i], limits, sigmas) == side) ++count;
    }
    return count >= needed;
}

bool EightInARow(const std::vector<double>& used, size_t end, const ChartLimits& limits) {
    constexpr size_t kRun = 8;
    if (end + 1 < kRun) return false;
    const int side = SideOf(used[end], limits);
    if (side == 0) return false;
    for (size_t i = end + 1 - kRun; i < end; ++i) {
        if (SideOf(used[i], limits) != side) return false;
    }
    return true;
}

// The individuals rules a used value breaks, given the used values up to it.
std::vector<RunRule> IndividualsHits(const std::vector<double>& used, size_t end, const ChartLimits& limits) {
    std::vector<RunRule> hits;
    if (SideBeyond(used[end], limits, 3.0) != 0) hits.push_back(RunRule::BeyondLimit);
    if (ManyBeyond(used, end, 3, 2, 2.0, limits)) hits.push_back(RunRule::TwoOfThree);
    if (ManyBeyond(used, end, 5, 4, 1.0, limits)) hits.push_back(RunRule::FourOfFive);
    if (EightInARow(used, end, limits)) hits.push_back(RunRule::EightOnOneSide);
    return hits;
}

}  // namespace

Message RunRuleMessage(RunRule rule) {
    switch (rule) {
        case RunRule::BeyondLimit:
            return MessageCode::RuleBeyondLimit;
        case RunRule::TwoOfThree:
            return MessageCode::RuleTwoOfThree;
        case RunRule::FourOfFive:
            return MessageCode::RuleFourOfFive;
        case RunRule::EightOnOneSide:
            return MessageCode::RuleEightOnOneSide;
        case RunRule::MovingRangeAbove:
            break;
    }
    return MessageCode::RuleMovingRange;
}

ChartLimits LimitsFromBaseline(const std::vector<double>& baseline) {
    if (baseline.size() < 2) {
        ChartLimits limits;
        limits.baselineCount = baseline.size();
        limits.provisional = true;
        limits.why = MessageCode::LimitsNeedTwo;
        return limits;
    }
    double sum = 0.0;
    double ranges = 0.0;
    for (size_t i = 0; i < baseline.size(); ++i) {
        sum += baseline[i];
        if (i > 0) ranges += std::fabs(baseline[i] - baseline[i - 1]);
    }
    ChartLimits limits = LimitsFromMeans(sum / static_cast<double>(baseline.size()),
                                         ranges / static_cast<double>(baseline.size() - 1));
    limits.baselineCount = baseline.size();
    limits.provisional = baseline.size() < kFullBaseline;
    return limits;
}

ChartLimits LimitsFromMeans(double centre, double movingRangeMean) {
    ChartLimits limits;
    limits.centre = centre;
    limits.movingRangeMean = movingRangeMean;
    if (!(movingRangeMean > 0.0) || !std::isfinite(movingRangeMean) || !std::isfinite(centre)) {
        limits.why = MessageCode::LimitsNoSpread;
        return limits;
    }
    limits.determined = true;
    limits.sigma = kIndividualsFactor / 3.0 * limits.movingRangeMean;
    limits.upper = limits.centre + kIndividualsFactor * limits.movingRangeMean;
    limits.lower = limits.centre - kIndividualsFactor * limits.movingRangeMean;
    limits.movingRangeUpper = kMovingRangeFactor * limits.movingRangeMean;
    return limits;
}

ChartLimits Shifted(ChartLimits limits, double by) {
    limits.centre += by;
    limits.upper += by;
    limits.lower += by;
    return limits;
}

ChartPointCheck RunRuleCheck::Next(const std::optional<double>& value, const ChartLimits& limits) {
    ChartPointCheck check;
    if (!value) return check;
    if (!used_.empty()) check.movingRange = std::fabs(*value - used_.back());
    used_.push_back(*value);
    if (!limits.determined) return check;
    check.hits = IndividualsHits(used_, used_.size() - 1, limits);
    check.movingRangeAbove = check.movingRange && *check.movingRange > limits.movingRangeUpper;
    if (check.movingRangeAbove && !previousBroke_) check.hits.push_back(RunRule::MovingRangeAbove);
    check.movingRangeReturn = check.movingRangeAbove && previousBroke_;
    previousBroke_ = std::any_of(check.hits.begin(), check.hits.end(),
                                 [](RunRule rule) { return rule != RunRule::MovingRangeAbove; });
    return check;
}

std::vector<ChartPointCheck> CheckPoints(const std::vector<std::optional<double>>& values,
                                         const ChartLimits& limits) {
    std::vector<ChartPointCheck> checks;
    RunRuleCheck rules;
    for (const std::optional<double>& value : values) checks.push_back(rules.Next(value, limits));
    return checks;
}
