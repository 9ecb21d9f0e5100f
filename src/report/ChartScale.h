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
