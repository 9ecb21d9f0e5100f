#pragma once

#include <cmath>
#include <cstdint>
#include <string>

// One row of the components table: an oxygenate the calculation looks for.
struct Component {
    int32_t id = 0;          // identifies the row for the components dialog
    std::wstring peakName;   // as the host names the peak; matched without regard to case
    std::wstring name;       // shown in the results; compared with the internal standard
    double molarMass = 0.0;  // g/mol, or NotSet
    double density = 0.0;    // kg/m3, or NotSet
};

// Whether a molar mass or density can be calculated with: a positive finite number. Anything else (not
// set, 0, negative, a spreadsheet's overflow) counts as not given.
inline bool IsUsableConstant(double value) {
    return std::isfinite(value) && value > 0.0;
}
