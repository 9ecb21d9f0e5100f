#include "calc/ResultTotals.h"

#include "calc/NameCompare.h"

void FillResultTotals(CalculationData& data) {
    data.sumMass = 0.0;
    data.sumMassPercent = 0.0;
    data.sumDelta = 0.0;
    data.sumVolume = 0.0;
    data.sumVolumePercent = 0.0;
    data.sumOxygen = 0.0;
    // Added in row order, as the grid adds them while it fills its rows.
    for (const ComponentResult& result : data.results) {
        data.sumMass += result.mass;
        data.sumMassPercent += result.massPercent;
        data.sumDelta += result.delta;
        data.sumVolume += result.volume;
        data.sumVolumePercent += result.volumePercent;
        data.sumOxygen += result.oxygen;
    }
}

ResultSums SumsWithoutStandard(const CalculationData& data) {
    ResultSums sums;
    for (const ComponentResult& result : data.results) {
        if (EqualNoCase(result.name, data.standard)) continue;
        sums.mass += result.mass;
        sums.massPercent += result.massPercent;
        sums.delta += result.delta;
        sums.volume += result.volume;
        sums.volumePercent += result.volumePercent;
        sums.oxygen += result.oxygen;
    }
    return sums;
}
