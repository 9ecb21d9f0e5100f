#pragma once

#include <string>

// The settings a calculation is asked for, as the user gave them.
struct CalculationSettings {
    std::wstring standard;           // the internal standard's name
    double sampleDensity = 1.0;      // kg/m3
    bool sampleDensityGiven = true;  // false: none was given, and sampleDensity is the default 1
};
