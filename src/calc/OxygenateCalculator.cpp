#include "calc/OxygenateCalculator.h"

#include <algorithm>
#include <cstddef>

#include "calc/PeakNameIndex.h"
#include "tables/NameCompare.h"

namespace {

// Atomic mass of oxygen, counted as often as the component's molecule holds oxygen atoms.
constexpr double kOxygenMass = 16.0;

// What the ticked chromatograms say about one component.
struct Tally {
    double concentrationSum = 0.0;  // X
    double massSum = 0.0;           // W
    double lowest = 0.0;
    double highest = 0.0;
    size_t foundIn = 0;
    const Assay* lastAssay = nullptr;  // only the first matching peak of a chromatogram counts

    void Note(const Assay& assay, double concentration) {
        if (lastAssay == &assay) return;
        lastAssay = &assay;
        concentrationSum += concentration;
        massSum += (concentration * assay.sampleMass) / 100;
        lowest = foundIn == 0 ? concentration : std::min(lowest, concentration);
        highest = foundIn == 0 ? concentration : std::max(highest, concentration);
        ++foundIn;
    }
};

// A quotient whose divisor may be 0; such a quotient is taken as 0.
double GuardedQuotient(double dividend, double divisor) {
    return divisor == 0 ? 0.0 : dividend / divisor;
}

ComponentResult ResultOf(const Component& component, const Tally& tally, size_t ticked, double sampleVolume,
                         const std::wstring& standard) {
    const double n = static_cast<double>(ticked);
    ComponentResult result;
    result.peakName = component.peakName;
    result.name = component.name;
    // Chromatograms without the peak count as 0, in the means and in the spread.
    result.massPercent = tally.concentrationSum / n;
    result.mass = tally.massSum / n;
    result.delta = tally.foundIn == ticked ? tally.highest - tally.lowest : tally.highest;
    result.density = component.density;
    result.molarMass = component.molarMass;
    // A constant that is not a positive number (not set, 0 for a new component, a typing slip) gives
    // no volume and no oxygen rather than a negative or infinite one; the warnings name it.
    result.volume = IsUsableConstant(component.density) ? result.mass * 1000 / component.density : 0.0;
    result.volumePercent = sampleVolume == 0 ? 0.0 : result.volume / sampleVolume * 100;
    // The internal standard contributes no oxygen.
    result.oxygenAtoms = component.oxygenAtoms;
    const bool counted = !EqualNoCase(component.name, standard) && IsUsableConstant(component.molarMass) &&
                         component.oxygenAtoms >= 1;
    result.oxygen =
        counted ? result.massPercent * kOxygenMass * component.oxygenAtoms / component.molarMass : 0.0;
    return result;
}

// Notes, per component, the first matching peak of every ticked chromatogram, in list order.
std::vector<Tally> TallyPeaks(const std::vector<Component>& components, const std::vector<Assay>& assays) {
    std::vector<Tally> tallies(components.size());
    const PeakNameIndex index(components);
    for (const Assay& assay : assays) {
        if (assay.isTicked == 0) continue;
        for (const Peak& peak : assay.peaks) {
            index.ForEachMatch(peak.name,
                               [&](size_t position) { tallies[position].Note(assay, peak.concentration); });
        }
    }
    return tallies;
}

}  // namespace

void OxygenateCalculator::Calculate() const {
    CalculationData& out = *data;
    out.results.clear();
    out.totalOxygen = 0.0;
    const auto isTicked = [](const Assay& assay) { return assay.isTicked != 0; };
    const size_t ticked = static_cast<size_t>(std::count_if(assays->begin(), assays->end(), isTicked));
    if (ticked == 0) return;

    double massTotal = 0.0;
    for (const Assay& assay : *assays) {
        if (isTicked(assay)) massTotal += assay.sampleMass;
    }
    const double meanMass = massTotal / static_cast<double>(ticked);
    const double sampleVolume = GuardedQuotient(meanMass * 1000, out.sampleDensity);

    const std::vector<Component>& components = out.components;
    const std::vector<Tally> tallies = TallyPeaks(components, *assays);
    out.results.reserve(components.size());
    for (size_t position = 0; position < components.size(); ++position) {
        if (tallies[position].foundIn == 0) continue;
        out.results.push_back(
            ResultOf(components[position], tallies[position], ticked, sampleVolume, out.standard));
        out.totalOxygen += out.results.back().oxygen;
    }
}
