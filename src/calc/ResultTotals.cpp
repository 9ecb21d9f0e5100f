#include "calc/ResultTotals.h"

#include "calc/NameCompare.h"

namespace {

// The sums of the rows `counted` takes, added in row order as the grid adds them while it fills its
// rows (the order decides the last bits).
template <typename Counted>
ResultSums SumOf(const std::vector<ComponentResult>& results, Counted counted) {
    ResultSums sums;
    for (const ComponentResult& result : results) {
        if (!counted(result)) continue;
        sums.mass += result.mass;
        sums.massPercent += result.massPercent;
        sums.delta += result.delta;
        sums.volume += result.volume;
        sums.volumePercent += result.volumePercent;
        sums.oxygen += result.oxygen;
    }
    return sums;
}

}  // namespace

void FillResultTotals(CalculationData& data) {
    const ResultSums sums = SumOf(data.results, [](const ComponentResult&) { return true; });
    data.sumMass = sums.mass;
    data.sumMassPercent = sums.massPercent;
    data.sumDelta = sums.delta;
    data.sumVolume = sums.volume;
    data.sumVolumePercent = sums.volumePercent;
    data.sumOxygen = sums.oxygen;
}

ResultSums SumsWithoutStandard(const CalculationData& data) {
    return SumOf(data.results,
                 [&data](const ComponentResult& result) { return !EqualNoCase(result.name, data.standard); });
}
