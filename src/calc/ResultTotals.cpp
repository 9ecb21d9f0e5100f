#include "calc/ResultTotals.h"

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
