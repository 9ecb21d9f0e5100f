#pragma once

#include <vector>

#include "calc/CalculationData.h"
#include "data/Assay.h"

// Determines the oxygenates and the total organically bound oxygen of a petrol sample from the ticked
// chromatograms (parallel determinations of one sample), ГОСТ EN 13132-2012.
class OxygenateCalculator {
public:
    CalculationData* data = nullptr;             // settings and components in, results out
    const std::vector<Assay>* assays = nullptr;  // the chromatogram list; only ticked ones take part

    // Replaces data->results and sets data->totalOxygen (unrounded) from data's standard, sample
    // density and components and the ticked chromatograms. Nothing else of data changes.
    void Calculate();
};
