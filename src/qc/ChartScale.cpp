#include "qc/ChartScale.h"

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

namespace {

// Values beyond this are no measurement: never part of a scale, always drawn at its edge.
constexpr double kLargest = 1e15;

bool Plain(double value) {
    return std::isfinite(value) && std::fabs(value) <= kLargest;
}

// The lower median.
double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>((values.size() - 1) / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace

ChartScale ScaleFor(const std::vector<double>& reference, const std::vector<double>& values, double room,
                    int ticks) {
    std::vector<double> plain;
    for (const double value : values) {
        if (Plain(value)) plain.push_back(value);
    }
    std::vector<double> band;
    for (const double value : reference) {
        if (Plain(value)) band.push_back(value);
    }
    if (!plain.empty()) {
        const double median = Median(plain);
        std::vector<double> distances;
        for (const double value : plain) distances.push_back(std::fabs(value - median));
        const double spread = Median(distances);
        band.insert(band.end(), {median - spread, median + spread});
    }
    if (band.empty()) band.push_back(0.0);
    double lowest = *std::min_element(band.begin(), band.end());
    double highest = *std::max_element(band.begin(), band.end());
    double span = highest - lowest;
    if (!(span > 0.0)) span = std::max(std::fabs(highest) * 0.1, 1e-4);
    const double reachLow = lowest - 3 * span;
    const double reachHigh = highest + 3 * span;
    for (const double value : plain) {
        if (value < reachLow || value > reachHigh) continue;
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    return NiceScale(lowest, highest + room * (highest - lowest), ticks);
}

double ScaleFraction(const ChartScale& scale, double value) {
    const double span = scale.Span();
    if (std::isnan(value) || !(span > 0.0) || !std::isfinite(span)) return 0.0;
    const double fraction = (value - scale.low) / span;
    return std::isnan(fraction) ? 0.0 : std::clamp(fraction, 0.0, 1.0);
}

int ScaleSide(const ChartScale& scale, double value) {
    if (std::isnan(value)) return -1;
    return value > scale.high ? 1 : value < scale.low ? -1 : 0;
}
