#pragma once

#include <string>
#include <vector>

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
    };
    Kind kind;
    std::wstring subject;

    // The warning as a sentence in Russian, naming its subject.
    std::wstring Text() const;
    // The kind as a short Latin key, for documents that programs read ("standard_not_found", …).
    const wchar_t* Key() const;
};

bool operator==(const CalculationWarning& a, const CalculationWarning& b);

// The warnings of a finished calculation: the components' source, ticked chromatograms of more than
// one sample, a standard that names no component, and each result row whose component has no usable
// molar mass (other than the standard, which contributes no oxygen anyway) or density. A value is
// usable when it is a positive number.
std::vector<CalculationWarning> CheckCalculation(const CalculationData& data,
                                                 const std::vector<Assay>& assays = {});
