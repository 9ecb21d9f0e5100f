#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationSettings.h"
#include "calc/CalculationWarning.h"
#include "calc/ComponentResult.h"
#include "calc/LimitVerdict.h"
#include "calc/ResultSums.h"
#include "calc/ScopeNote.h"
#include "records/ComponentsSnapshot.h"
#include "tables/Component.h"

// A finished calculation: its settings, the components it used, its results with every fact an output
// shows of them, the sums of the row "Всего", what a lab must know about them and the limits' verdicts.
// Made by Recalculate; the dialog shows it and every report writes it, none deriving anything again.
struct CalculationData {
    std::wstring standard;                 // the internal standard's name, as typed
    double sampleDensity = 1.0;            // kg/m3
    double totalOxygen = 0.0;              // organically bound oxygen, % by mass, rounded to four decimals
    std::vector<Component> components;     // the components table as this calculation read it
    std::vector<ComponentResult> results;  // one per component found, in table order
    // The sums of every result row, for the row "Всего".
    double sumMass = 0.0;
    double sumMassPercent = 0.0;
    double sumDelta = 0.0;
    double sumVolume = 0.0;
    double sumVolumePercent = 0.0;
    double sumOxygen = 0.0;

    bool sampleDensityGiven = true;  // false: none was given, and sampleDensity is the default 1
    ComponentsOrigin componentsFile = ComponentsOrigin{ComponentsSource::File, {}, false, {}, {}};
    bool standardFound = false;      // the standard names a component of the table
    ResultSums sumsWithoutStandard;  // of the sample's own components: the standard's row left out
    ScopeNote totalOxygenScope = ScopeNote::Within;  // its place in the method's range while it is a result
    // Why totalOxygen is no result a lab may report (a verdict on it would be undetermined for the same
    // reason); empty when it is one.
    Message totalOxygenDoubt;
    std::vector<CalculationWarning> warnings;
    // The limits the results are held against, when a limits file is there, and each one's verdict.
    std::optional<LimitsFile> limits;
    std::vector<LimitVerdict> verdicts;

    bool TotalOxygenDetermined() const { return totalOxygenDoubt.Empty(); }
    CalculationSettings Settings() const { return {standard, sampleDensity, sampleDensityGiven}; }
    // The six sums of the row "Всего" together.
    ResultSums Sums() const;
    void SetSums(const ResultSums& sums);
};
