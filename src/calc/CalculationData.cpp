#include "calc/CalculationData.h"

ResultSums CalculationData::Sums() const {
    return {sumMass, sumMassPercent, sumDelta, sumVolume, sumVolumePercent, sumOxygen};
}

void CalculationData::SetSums(const ResultSums& sums) {
    sumMass = sums.mass;
    sumMassPercent = sums.massPercent;
    sumDelta = sums.delta;
    sumVolume = sums.volume;
    sumVolumePercent = sums.volumePercent;
    sumOxygen = sums.oxygen;
}
