#include "report/ChartScale.h"

#include <algorithm>
#include <cmath>

#include "platform/NumberText.h"

namespace {

// The round step nearest above a raw one: 1, 2, 2.5, 5 or 10 times its power of ten.
double RoundStep(double raw) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    for (const double nice : {1.0, 2.0, 2.5, 5.0}) {
        if (fraction <= nice * (1 + 1e-9)) return nice * magnitude;
    }
    return 10.0 * magnitude;
}

// Decimals that show every tick of the step exactly (2.5 needs one more than 5).
int DecimalsOf(double step) {
    int decimals = 0;
    while (decimals < 10 &&
           std::fabs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    return decimals;
}

}  // namespace

ChartScale NiceScale(double lowest, double highest, int ticks) {
    if (highest < lowest) std::swap(lowest, highest);
    if (highest - lowest <= std::max(std::fabs(highest), 1.0) * 1e-12) {
        const double around = std::fabs(lowest) > 0 ? std::fabs(lowest) * 0.1 : 1.0;
        lowest -= around;
        highest += around;
    }
    ChartScale scale;
    scale.step = RoundStep((highest - lowest) / std::max(ticks - 1, 1));
    scale.low = std::floor(lowest / scale.step + 1e-9) * scale.step;
    scale.high = std::ceil(highest / scale.step - 1e-9) * scale.step;
    const int decimals = DecimalsOf(scale.step);
    const long count = std::lround((scale.high - scale.low) / scale.step);
    for (long i = 0; i <= count; ++i) {
        double tick = scale.low + static_cast<double>(i) * scale.step;
        if (std::fabs(tick) < scale.step * 1e-9) tick = 0.0;  // no "-0.00"
        scale.ticks.push_back(tick);
        scale.labels.push_back(FormatFixed(tick, decimals));
    }
    return scale;
}
