#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/ComponentsSnapshot.h"
#include "calc/Limit.h"
#include "data/Assay.h"

// The settings a calculation is asked for, as the user gave them.
struct CalculationSettings {
    std::wstring standard;           // the internal standard's name
    double sampleDensity = 1.0;      // kg/m3
    bool sampleDensityGiven = true;  // false: none was given, and sampleDensity is the default 1
};

// The one road from chromatograms to results, for the dialog, every report and every batch: calculates
// the ticked chromatograms of `assays` with the components, rounds the total organically bound oxygen
// to four decimals, sums the result columns, names what a lab must know about the results, decides
// whether the total is a result, and holds them against the limits, when a limits file is given.
CalculationData Recalculate(const CalculationSettings& settings, const ComponentsSnapshot& components,
                            const std::vector<Assay>& assays, const std::optional<LimitsFile>& limits);
