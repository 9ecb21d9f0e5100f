#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationSettings.h"
#include "calc/CalculationWarning.h"
#include "calc/ComponentResult.h"
#include "calc/ComponentsSnapshot.h"
#include "calc/LimitVerdict.h"
#include "calc/ResultSums.h"
#include "calc/ScopeNote.h"

// A finished calculation: the settings and the components table it used, whole; its results with every
// fact an output shows of them; what a lab must know about them and the limits' verdicts. Made by
// Recalculate; the dialog shows it and every report writes it, none deriving anything again.
struct CalculationData {
    CalculationSettings settings;
    // The components table as this calculation read it.
    ComponentsSnapshot table = ComponentsSnapshot{ComponentsSource::File, {}, false, {}, {}, {}};
    bool standardFound = false;            // the standard names a component of the table
    std::vector<ComponentResult> results;  // one per component found, in table order
    ResultSums sums;                       // of every result row, for the row "Всего"
    ResultSums sumsWithoutStandard;        // of the sample's own components: the standard's row left out
    double totalOxygen = 0.0;              // organically bound oxygen, % by mass, rounded to four decimals
    ScopeNote totalOxygenScope = ScopeNote::Within;  // its place in the method's range while it is a result
    // Why totalOxygen is no result a lab may report (a verdict on it would be undetermined for the same
    // reason); empty when it is one.
    Message totalOxygenDoubt;
    std::vector<CalculationWarning> warnings;
    // The limits the results are held against, when a limits file is there, and each one's verdict.
    std::optional<LimitsFile> limits;
    std::vector<LimitVerdict> verdicts;

    bool TotalOxygenDetermined() const { return totalOxygenDoubt.Empty(); }
};
