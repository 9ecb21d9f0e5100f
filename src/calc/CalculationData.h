#pragma once

#include <string>
#include <vector>

#include "calc/CalculationWarning.h"
#include "calc/Component.h"
#include "calc/ComponentResult.h"

// The calculation's settings, its copy of the components and its results, as the main dialog keeps
// them; the report receives a copy.
struct CalculationData {
    std::wstring standard;                 // name of the component used as internal standard
    double sampleDensity = 1.0;            // kg/m3
    double totalOxygen = 0.0;              // organically bound oxygen, % by mass
    std::vector<Component> components;     // copy of the components table taken before each run
    std::vector<ComponentResult> results;  // one per component found, in table order
    // Sums of the result columns, filled with the result grid for its row "Всего".
    double sumMass = 0.0;
    double sumMassPercent = 0.0;
    double sumDelta = 0.0;
    double sumVolume = 0.0;
    double sumVolumePercent = 0.0;
    double sumOxygen = 0.0;
    // Where `components` came from, and the file meant; what the user must know about the results.
    ComponentsSource componentsSource = ComponentsSource::File;
    std::wstring componentsPath;
    bool componentsHeaderMissing = false;      // the file's first line was a component, not a header
    std::vector<CalculationWarning> warnings;  // set by CheckCalculation after each run
};
