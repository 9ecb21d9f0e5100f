#pragma once

#include <vector>

#include "calc/CalculationData.h"
#include "data/Assay.h"

// Determines the oxygenates and the total organically bound oxygen of a petrol sample from the ticked
// chromatograms of `assays` (parallel determinations of one sample), ГОСТ EN 13132-2012, with the
// standard, the sample density and the components of `data`. Keeps nothing of its own: both are set
// before every run.
class OxygenateCalculator {
public:
    CalculationData* data = nullptr;
    const std::vector<Assay>* assays = nullptr;

    // Replaces the results of `data`, one per component found, in table order, and sets its total
    // organically bound oxygen, unrounded. Changes nothing else of it.
    void Calculate() const;
};
