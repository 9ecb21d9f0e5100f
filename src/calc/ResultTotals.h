#pragma once

#include "calc/CalculationData.h"

// The six sums of the result columns: mass, mass %, delta, volume, volume % and oxygen.
struct ResultSums {
    double mass = 0.0;
    double massPercent = 0.0;
    double delta = 0.0;
    double volume = 0.0;
    double volumePercent = 0.0;
    double oxygen = 0.0;
};

// Sets the six sums of the row "Всего" in `data` from every result row, each the plain sum of its
// column; 0 when there are no results.
void FillResultTotals(CalculationData& data);

// The sums over the sample's own components: every result row but the internal standard's, which
// the analyst added to the sample.
ResultSums SumsWithoutStandard(const CalculationData& data);
