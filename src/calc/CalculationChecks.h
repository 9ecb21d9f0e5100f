#pragma once

#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/CalculationWarning.h"
#include "data/Assay.h"
#include "tables/Component.h"

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
