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
    // Oxygen atoms in one molecule: 1 for the alcohols and ethers, more for carbonates, acetals,
    // esters. 0: the file gave something that is no whole number from 1 on, so no oxygen is counted.
    int32_t oxygenAtoms = 1;
};

// The most oxygen atoms a component's molecule is taken to have; more is a typing slip.
constexpr int32_t kMostOxygenAtoms = 20;

// Whether a molar mass or density can be calculated with: a positive finite number. Anything else (not
// set, 0, negative, a spreadsheet's overflow) counts as not given.
inline bool IsUsableConstant(double value) {
    return std::isfinite(value) && value > 0.0;
}
