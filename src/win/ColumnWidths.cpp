#include "win/ColumnWidths.h"

#include <algorithm>

#include <cstddef>
#include <numeric>

namespace {

// The needs with the widest cut to the one width that makes them take `available`, or the needs when that
// width would be below kLeastCutWidth.
std::vector<int> CutWidest(const std::vector<int>& needs, int available) {
    std::vector<int> sorted = needs;
    std::sort(sorted.begin(), sorted.end());
    long long below = 0;  // what the columns narrower than the cut take
    for (std::size_t index = 0; index < sorted.size(); ++index) {
        const auto rest = static_cast<long long>(sorted.size() - index);
        const long long cut = (available - below) / rest;
        if (cut <= sorted[index]) {
            if (cut < kLeastCutWidth) return needs;
            std::vector<int> widths = needs;
            for (int& width : widths) width = std::min(width, static_cast<int>(cut));
            return widths;
        }
        below += sorted[index];
    }
    return needs;
}

}  // namespace

std::vector<int> FitColumnWidths(const std::vector<int>& needs, const std::vector<int>& weights,
                                 int available) {
    const long long needed = std::accumulate(needs.begin(), needs.end(), 0LL);
    const long long weight = std::accumulate(weights.begin(), weights.end(), 0LL);
    if (needs.empty() || weights.size() != needs.size() || weight <= 0) return needs;
    if (needed > available) return CutWidest(needs, available);
    if (needed == available) return needs;
    const long long extra = available - needed;
    std::vector<int> widths(needs.size());
    long long given = 0;
    for (std::size_t column = 0; column < needs.size(); ++column) {
        const long long share = extra * weights[column] / weight;
        widths[column] = needs[column] + static_cast<int>(share);
        given += share;
    }
    widths.back() += static_cast<int>(extra - given);
    return widths;
}
