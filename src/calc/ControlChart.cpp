#include "calc/ControlChart.h"

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

std::wstring RunRuleText(RunRule rule) {
    switch (rule) {
        case RunRule::BeyondLimit:
            return L"за пределом 3σ";
        case RunRule::TwoOfThree:
            return L"2 из 3 подряд за 2σ по одну сторону";
        case RunRule::FourOfFive:
            return L"4 из 5 подряд за 1σ по одну сторону";
        case RunRule::EightOnOneSide:
            return L"8 подряд по одну сторону от средней линии";
        case RunRule::MovingRangeAbove:
            break;
    }
    return L"скользящий размах выше предела";
}

ChartLimits LimitsFromBaseline(const std::vector<double>& baseline) {
    ChartLimits limits;
    limits.baselineCount = baseline.size();
    limits.provisional = baseline.size() < kFullBaseline;
    if (baseline.size() < 2) {
        limits.why = L"для пределов нужно не менее двух результатов базового периода";
        return limits;
    }
    double sum = 0.0;
    double ranges = 0.0;
    for (size_t i = 0; i < baseline.size(); ++i) {
        sum += baseline[i];
        if (i > 0) ranges += std::fabs(baseline[i] - baseline[i - 1]);
    }
    limits.centre = sum / static_cast<double>(baseline.size());
    limits.movingRangeMean = ranges / static_cast<double>(baseline.size() - 1);
    if (!(limits.movingRangeMean > 0.0)) {
        limits.why = L"результаты базового периода все одинаковы: разброс не оценить";
        return limits;
    }
    limits.determined = true;
    limits.sigma = kIndividualsFactor / 3.0 * limits.movingRangeMean;
    limits.upper = limits.centre + kIndividualsFactor * limits.movingRangeMean;
    limits.lower = limits.centre - kIndividualsFactor * limits.movingRangeMean;
    limits.movingRangeUpper = kMovingRangeFactor * limits.movingRangeMean;
    return limits;
}

std::vector<ChartPointCheck> CheckPoints(const std::vector<std::optional<double>>& values,
                                         const ChartLimits& limits) {
    std::vector<ChartPointCheck> checks(values.size());
    std::vector<double> used;
    bool previousBroke = false;
    for (size_t i = 0; i < values.size(); ++i) {
        if (!values[i]) continue;
        ChartPointCheck& check = checks[i];
        if (!used.empty()) check.movingRange = std::fabs(*values[i] - used.back());
        used.push_back(*values[i]);
        if (!limits.determined) continue;
        check.hits = IndividualsHits(used, used.size() - 1, limits);
        check.movingRangeAbove = check.movingRange && *check.movingRange > limits.movingRangeUpper;
        if (check.movingRangeAbove && !previousBroke) check.hits.push_back(RunRule::MovingRangeAbove);
        previousBroke = std::any_of(check.hits.begin(), check.hits.end(),
                                    [](RunRule rule) { return rule != RunRule::MovingRangeAbove; });
    }
    return checks;
}
