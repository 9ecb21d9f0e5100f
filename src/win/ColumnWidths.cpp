#include "win/ColumnWidths.h"

#include <cstddef>
#include <numeric>

std::vector<int> FitColumnWidths(const std::vector<int>& needs, const std::vector<int>& weights,
                                 int available) {
    const long long needed = std::accumulate(needs.begin(), needs.end(), 0LL);
    const long long weight = std::accumulate(weights.begin(), weights.end(), 0LL);
    if (needs.empty() || weights.size() != needs.size() || weight <= 0 || needed >= available) return needs;
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
