#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationWarning.h"
#include "calc/Component.h"
#include "calc/ComponentResult.h"
#include "calc/Limit.h"
#include "calc/NewDefaultTable.h"
#include "calc/ResultSums.h"

// A calculation: its settings, its copy of the components, its results with their sums, what a lab
// must know about them and the limits' verdicts. The dialog shows it and every report is made of it.
struct CalculationData {
    std::wstring standard;                 // name of the component used as internal standard
    double sampleDensity = 1.0;            // kg/m3
    bool sampleDensityGiven = true;        // false: none was given; sampleDensity is the default 1
    double totalOxygen = 0.0;              // organically bound oxygen, % by mass, as the arithmetic gives it
    std::vector<Component> components;     // copy of the components table taken before each run
    std::vector<ComponentResult> results;  // one per component found, in table order
    ResultSums sums;                       // of every result row, for the row "Всего"
    // Where `components` came from, and the file meant; what the user must know about the results.
    ComponentsSource componentsSource = ComponentsSource::File;
    std::wstring componentsPath;
    bool componentsHeaderMissing = false;   // the file's first line was a component, not a header
    TableVersion componentsVersion;         // the version of the components file used
    bool componentsChangedOutside = false;  // this read found it changed outside the program
    bool componentsLogUnwritable = false;   // its change log could not be written at this read
    std::wstring componentsLogProblem;      // why its change log cannot be trusted; empty: it can
    // A new default table beside it whose values differ, not yet answered by the lab; path empty: none.
    NewDefaultTable componentsNewDefault;
    std::vector<CalculationWarning> warnings;  // set by CheckCalculation after each run
    // The limits the results are held against, when a limits file is there, and each one's verdict.
    std::optional<LimitsFile> limits;
    std::vector<LimitVerdict> verdicts;
    // Why totalOxygen is no result a lab may report (a verdict on it would be undetermined for the same
    // reason); empty when it is one. Set by Recalculate, so that every output says the same.
    std::wstring totalOxygenDoubt;

    bool TotalOxygenDetermined() const { return totalOxygenDoubt.empty(); }
};
