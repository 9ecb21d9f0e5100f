#pragma once

#include <vector>

#include "calc/CalculationSettings.h"
#include "calc/ComponentResult.h"
#include "data/Assay.h"
#include "tables/Component.h"

// What the arithmetic gives: a result per component found, in table order, and the total organically bound
// oxygen, unrounded.
struct OxygenateResults {
    std::vector<ComponentResult> results;
    double totalOxygen = 0.0;
};

// Determines the oxygenates and the total organically bound oxygen of a petrol sample from the ticked
// chromatograms of `assays` (parallel determinations of one sample), ГОСТ EN 13132-2012, with the
// settings' standard and sample density and the components.
OxygenateResults CalculateOxygenates(const CalculationSettings& settings,
                                     const std::vector<Component>& components,
                                     const std::vector<Assay>& assays);
