#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/AnalysisList.h"

// One series of parallel determinations: analyses of one sample name, as the host stores it, made one
// after another with no more than the series gap between neighbours.
struct Series {
    std::wstring sample;
    std::vector<AnalysisRow> analyses;  // by time, then id

    int64_t First() const { return analyses.front().date; }
    int64_t Last() const { return analyses.back().date; }
    // Identifies the series for good: its first analysis, by id and time.
    std::wstring Key() const;
};

// The gap that ends a series unless told otherwise: 12 hours.
constexpr int64_t kDefaultSeriesGapSeconds = 12 * 3600;

// The series of the analyses (ordered by time, then id), in the order of their first analyses. A
// series runs over midnight and over any range: it ends only where the gap is longer.
std::vector<Series> GroupIntoSeries(const std::vector<AnalysisRow>& analyses, int64_t gapSeconds);

// The series whose first analysis falls in [from, to): each series belongs to the one daily batch of
// its first analysis, and is taken whole.
std::vector<Series> SeriesStartingIn(std::vector<Series> series, std::optional<int64_t> from,
                                     std::optional<int64_t> to);
