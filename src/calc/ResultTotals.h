#pragma once

#include "calc/CalculationData.h"

// Sets the six sums of the result columns (the row "Всего") from data.results: mass, mass %, delta,
// volume, volume % and oxygen, each the plain sum of its column; 0 when there are no results.
void FillResultTotals(CalculationData& data);
