#pragma once

#include <string>
#include <vector>

// The value axis of a chart: a range a little wider than the values, cut at round numbers.
struct ChartScale {
    double low = 0.0;
    double high = 1.0;
    double step = 0.5;                 // between ticks: 1, 2, 2.5 or 5 times a power of ten
    std::vector<double> ticks;         // from low to high
    std::vector<std::wstring> labels;  // each tick with the decimals its step needs

    double Span() const { return high - low; }
};

// A scale for values from `lowest` to `highest` with about `ticks` ticks. Equal values get a range
// around them; values that are no numbers are never given.
ChartScale NiceScale(double lowest, double highest, int ticks = 6);

// A scale for a chart whose `reference` values (its limits, a tolerance band) are always shown, together
// with the middle of `values` (their median ± their median distance from it). A value is shown as well
// when it lies within three times that band's span of it; one farther out, or no finite number, is drawn
// at the scale's edge with a mark (ScaleSide), so that one wild result does not flatten the rest. `room`
// adds that share of the span above the highest value shown, for the marks drawn above points.
ChartScale ScaleFor(const std::vector<double>& reference, const std::vector<double>& values,
                    double room = 0.0, int ticks = 6);
// Where a value lies on the scale, from 0 (low) to 1 (high), held at the edge beyond it; 0 for no number.
double ScaleFraction(const ChartScale& scale, double value);
// Whether a value lies beyond the scale: +1 above it, -1 below, 0 on it.
int ScaleSide(const ChartScale& scale, double value);
