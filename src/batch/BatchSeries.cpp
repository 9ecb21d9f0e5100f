#include "batch/BatchSeries.h"

#include <map>

namespace {

// Whether b, not earlier than a, follows it within the gap; dates of any size, a damaged row's too.
bool Follows(int64_t a, int64_t b, int64_t gap) {
    return static_cast<uint64_t>(b) - static_cast<uint64_t>(a) <= static_cast<uint64_t>(gap);
}

}  // namespace

std::wstring Series::Key() const {
    return std::to_wstring(analyses.front().id) + L"@" + std::to_wstring(analyses.front().date);
}

std::vector<Series> GroupIntoSeries(const std::vector<AnalysisRow>& analyses, int64_t gapSeconds) {
    std::vector<Series> series;
    std::map<std::wstring, size_t> open;  // sample -> its latest series
    for (const AnalysisRow& row : analyses) {
        const auto latest = open.find(row.sample);
        if (latest != open.end() && Follows(series[latest->second].Last(), row.date, gapSeconds)) {
            series[latest->second].analyses.push_back(row);
            continue;
        }
        open[row.sample] = series.size();
        series.push_back({row.sample, {row}});
    }
    return series;
}

std::vector<Series> SeriesStartingIn(std::vector<Series> series, std::optional<int64_t> from,
                                     std::optional<int64_t> to) {
    std::vector<Series> selected;
    for (Series& one : series) {
        if ((from && one.First() < *from) || (to && one.First() >= *to)) continue;
        selected.push_back(std::move(one));
    }
    return selected;
}
