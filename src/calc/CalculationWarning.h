#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/Component.h"
#include "calc/ComponentsSnapshot.h"
#include "data/Assay.h"

struct CalculationData;

// Something a lab must know about a calculation besides its numbers: the numbers are what the
// arithmetic gives, but they rest on an input that is missing or does not match.
struct CalculationWarning {
    enum class Kind {
        StandardNotFound,         // subject: the standard as typed; its own oxygen counts in the total
        NoMolarMass,              // subject: the component's name; it contributes no oxygen
        NoDensity,                // subject: the component's name; it has no volume
        ComponentsLastRead,       // subject: the components file; results from the table as last read
        ComponentsNotRead,        // subject: the components file; there is no table at all
        SeveralSamples,           // subject: the ticked chromatograms' sample names, "; "-separated
        NoStandard,               // no standard typed while there are results: every oxygen counts
        ImplausibleDensity,       // subject: the sample density; no petrol weighs that, volumes are off
        NoPeakName,               // subject: the ids of components without a peak name, ", "-separated
        NoComponents,             // subject: the components file; it holds a header and no component
        ComponentsWithoutHeader,  // subject: the components file; its first line was read as a component
        NoNamedPeaks,      // chromatograms: ticked ones without a named peak, not yet processed by the host
        NoStandardPeak,    // subject: the standard; chromatograms: ticked ones without its peak
        PartlyFound,       // subject: a component; chromatograms: the ticked ones without its peak
        BadConcentration,  // subject: a component; chromatograms: where its peak has no usable concentration
        NoOxygenAtoms,     // subject: the component's name; its oxygen atoms are no whole number from 1 on
        NoAnalysisDate,    // chromatograms: ticked ones whose analysis time lies outside 1970–9999
        TableChangedOutside,  // subject: a reference table changed outside the program since it last knew it
        NoSampleDensity,      // the sample density was not given: volume fractions rest on the default 1
        TableLogUnwritable,   // subject: a reference table whose change log could not be written
        TableLogBroken,       // subject: a reference table; detail: why its change log cannot be trusted
        PeakNameInSeveralRows,  // subject: a peak name; detail: the rows bearing it. Each row counts the peak
        StandardInSeveralRows,  // subject: the standard; detail: the rows shown under its name
        PeakTwiceInChromatogram,  // subject: a peak name; chromatograms: one; detail: the peaks' times
        NewDefaultTable,  // subject: the default table beside the components table; detail: how they differ
    };
    CalculationWarning(Kind kind_, std::wstring subject_ = {}, std::wstring chromatograms_ = {},
                       std::wstring peakName_ = {}, std::wstring detail_ = {})
        : kind(kind_),
          subject(std::move(subject_)),
          chromatograms(std::move(chromatograms_)),
          peakName(std::move(peakName_)),
          detail(std::move(detail_)) {}

    Kind kind;
    std::wstring subject;
    // The ticked chromatograms the warning is about, by file name, ", "-separated; empty for others.
    std::wstring chromatograms;
    // The peak name of the component the warning is about, so that sums over it can be found; empty
    // for the others.
    std::wstring peakName;
    // What more the warning says, for the kinds that say more: the rows of the components table ("№6,
    // №12"), the retention times of peaks ("3.512, 3.608"), why a change log cannot be trusted; empty for the
    // others.
    std::wstring detail;

    // The warning as a sentence in Russian, naming its subject.
    std::wstring Text() const;
    // The kind as a short Latin key, for documents that programs read ("standard_not_found", …).
    const wchar_t* Key() const;
};

bool operator==(const CalculationWarning& a, const CalculationWarning& b);

// Whether the warnings hold one of this kind.
bool HasWarning(const std::vector<CalculationWarning>& warnings, CalculationWarning::Kind kind);

// Whether a component of the table bears this name, without regard to case: whether a standard text
// names the internal standard.
bool NamesAComponent(const std::vector<Component>& components, const std::wstring& name);

// The sample densities of petrol, kg/m3, with room to spare: anything outside is a typing slip (g/cm3
// for kg/m3, a lost digit) or the empty field's 1.
constexpr double kLowestPetrolDensity = 600.0;
constexpr double kHighestPetrolDensity = 1000.0;
bool PlausibleSampleDensity(double density);

// The warnings of a finished calculation: the components' source, an empty table or one without its
// header line, components that no peak can match, ticked chromatograms of more than one sample, a
// standard that is missing or names no component, a peak name borne by several rows of the table or the
// standard's name shown on several, a sample density no petrol has, each result row
// whose component has no usable molar mass (other than the standard, which contributes no oxygen
// anyway) or density, and what the ticked chromatograms themselves lack (CheckChromatograms).
std::vector<CalculationWarning> CheckCalculation(const CalculationData& data,
                                                 const std::vector<Assay>& assays = {});
