#include "calc/ResultTotals.h"

#include "calc/ResultColumns.h"

namespace {

// The sums of the rows `counted` takes, added in row order.
template <typename Counted>
ResultSums SumOf(const std::vector<ComponentResult>& results, Counted counted) {
    ResultSums sums;
    for (const ComponentResult& result : results) {
        if (!counted(result)) continue;
        for (const ResultColumn& column : kResultColumns) sums.*column.sum += result.*column.value;
    }
    return sums;
}

}  // namespace

ResultSums SumOfResults(const std::vector<ComponentResult>& results) {
    return SumOf(results, [](const ComponentResult&) { return true; });
}

ResultSums SumsWithoutStandard(const std::vector<ComponentResult>& results) {
    return SumOf(results, [](const ComponentResult& result) { return !result.isStandard; });
}
