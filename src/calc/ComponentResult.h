#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calc/ScopeNote.h"

// The calculation's result for one component found in the ticked chromatograms.
struct ComponentResult {
    std::wstring peakName;       // copied from the component
    std::wstring name;           // copied from the component; shown in the result grid
    double delta = 0.0;          // spread of the concentration between the chromatograms, % by mass
    double density = 0.0;        // copied from the component, kg/m3
    double volumePercent = 0.0;  // volume per volume of sample, %
    double mass = 0.0;           // in the weighed sample, g
    double molarMass = 0.0;      // copied from the component, g/mol
    double oxygen = 0.0;         // oxygen bound in the component, % by mass of the sample
    double volume = 0.0;         // cm3
    double massPercent = 0.0;    // mean concentration, % by mass
    int32_t oxygenAtoms = 1;     // copied from the component; 0 when not usable
    // What every output shows beside the numbers, decided once by Recalculate: whether the row is the
    // internal standard's, the repeatability limit r a limit gives this one component and whether its
    // parallels spread above it, and the row's place in the method's range.
    bool isStandard = false;
    std::optional<double> repeatabilityLimit;
    bool repeatabilityExceeded = false;
    ScopeNote scope = ScopeNote::Within;
};
