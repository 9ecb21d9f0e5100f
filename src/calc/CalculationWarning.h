#pragma once

#include <string>
#include <vector>

#include "calc/Component.h"
#include "data/Assay.h"

struct CalculationData;

// Where the components of a calculation came from.
enum class ComponentsSource {
    File,      // the components file, read for this calculation
    LastRead,  // the file did not read; the rows it held when it last read
    None,      // the file never read: no components
};

// Something a lab must know about a calculation besides its numbers: the numbers are what the
// arithmetic gives, but they rest on an input that is missing or does not match.
struct CalculationWarning {
    enum class Kind {
        StandardNotFound,    // subject: the standard as typed; its own oxygen counts in the total
        NoMolarMass,         // subject: the component's name; it contributes no oxygen
        NoDensity,           // subject: the component's name; it has no volume
        ComponentsLastRead,  // subject: the components file; results from the table as last read
        ComponentsNotRead,   // subject: the components file; there is no table at all
        SeveralSamples,      // subject: the ticked chromatograms' sample names, "; "-separated
        NoStandard,          // no standard typed while there are results: every oxygen counts
        ImplausibleDensity,  // subject: the sample density; no petrol weighs that, volumes are off
        NoPeakName,          // subject: the ids of components without a peak name, ", "-separated
        NoComponents,        // subject: the components file; it holds a header and no component
        NoSampleDensity,     // the sample density was not given: volume fractions rest on the default 1
    };
    Kind kind;
    std::wstring subject;

    // The warning as a sentence in Russian, naming its subject.
    std::wstring Text() const;
    // The kind as a short Latin key, for documents that programs read ("standard_not_found", …).
    const wchar_t* Key() const;
};

bool operator==(const CalculationWarning& a, const CalculationWarning& b);

// Whether a component of the table bears this name, without regard to case: whether a standard text
// names the internal standard.
bool NamesAComponent(const std::vector<Component>& components, const std::wstring& name);

// The sample densities of petrol, kg/m3, with room to spare: anything outside is a typing slip (g/cm3
// for kg/m3, a lost digit) or the empty field's 1.
constexpr double kLowestPetrolDensity = 600.0;
constexpr double kHighestPetrolDensity = 1000.0;
bool PlausibleSampleDensity(double density);

// The warnings of a finished calculation: the components' source, an empty table, components that no
// peak can match, ticked chromatograms of more than one sample, a standard that is missing or names
// no component, a sample density no petrol has, and each result row whose component has no usable
// molar mass (other than the standard, which contributes no oxygen anyway) or density. A value is
// usable when it is a positive number.
std::vector<CalculationWarning> CheckCalculation(const CalculationData& data,
                                                 const std::vector<Assay>& assays = {});

// The warnings of a calculation whose sample density was not given (its field left empty, so the
// default density was used): the density's warning says so instead of naming the default's number.
void SampleDensityNotGiven(std::vector<CalculationWarning>& warnings);
