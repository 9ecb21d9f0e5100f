#include "calc/CalculationChecks.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "calc/ChromatogramChecks.h"
#include "calc/TickedSamples.h"
#include "platform/NumberText.h"
#include "tables/NameCompare.h"

namespace {

// The ids of the components no peak can match, ", "-separated.
std::wstring WithoutPeakName(const std::vector<Component>& components) {
    std::wstring ids;
    for (const Component& component : components) {
        if (!component.peakName.empty()) continue;
        ids += (ids.empty() ? L"№" : L", №") + std::to_wstring(component.id);
    }
    return ids;
}

// The distinct sample names, "; "-separated.
std::wstring SampleNames(const std::vector<SampleName>& samples) {
    std::vector<std::wstring> seen;
    std::wstring names;
    for (const SampleName& name : samples) {
        if (std::find(seen.begin(), seen.end(), name.sample) != seen.end()) continue;
        seen.push_back(name.sample);
        names += (names.empty() ? L"" : L"; ") + name.sample;
    }
    return names;
}

// The rows of the table, by id, that `same` puts together with an earlier row: for each group of two or
// more, its first row's value and the group's ids ("№6, №12"), in table order.
template <typename Same>
std::vector<std::pair<std::wstring, std::wstring>> RowsTogether(const std::vector<Component>& components,
                                                                Same same) {
    std::vector<std::pair<std::wstring, std::wstring>> groups;
    std::vector<bool> grouped(components.size(), false);
    for (size_t first = 0; first < components.size(); ++first) {
        if (grouped[first]) continue;
        std::wstring ids = L"№" + std::to_wstring(components[first].id);
        bool several = false;
        for (size_t other = first + 1; other < components.size(); ++other) {
            if (grouped[other] || !same(components[first], components[other])) continue;
            grouped[other] = several = true;
            ids += L", №" + std::to_wstring(components[other].id);
        }
        if (several) groups.emplace_back(components[first].peakName, ids);
    }
    return groups;
}

// A table whose rows contradict each other: a peak name borne by several rows (the peak is counted once
// for each), the standard's name shown on several (none of them is counted as oxygen).
void CheckRowsTogether(const CalculationData& data, std::vector<CalculationWarning>& warnings) {
    using Kind = CalculationWarning::Kind;
    const auto samePeak = [](const Component& a, const Component& b) {
        return !a.peakName.empty() && EqualNoCase(a.peakName, b.peakName);
    };
    for (const auto& [peakName, rows] : RowsTogether(data.components, samePeak))
        warnings.push_back({Kind::PeakNameInSeveralRows, peakName, L"", peakName, rows});
    if (data.standard.empty()) return;
    const auto bothStandard = [&data](const Component& a, const Component& b) {
        return EqualNoCase(a.name, data.standard) && EqualNoCase(b.name, data.standard);
    };
    for (const auto& group : RowsTogether(data.components, bothStandard))
        warnings.push_back({Kind::StandardInSeveralRows, data.standard, L"", L"", group.second});
}

}  // namespace

bool NamesAComponent(const std::vector<Component>& components, const std::wstring& name) {
    return std::any_of(components.begin(), components.end(),
                       [&name](const Component& component) { return EqualNoCase(component.name, name); });
}

bool PlausibleSampleDensity(double density) {
    return density >= kLowestPetrolDensity && density <= kHighestPetrolDensity;
}

std::vector<CalculationWarning> CheckCalculation(const CalculationData& data,
                                                 const std::vector<Assay>& assays) {
    using Kind = CalculationWarning::Kind;
    std::vector<CalculationWarning> warnings;
    const std::vector<SampleName> samples = TickedSamples(assays);
    if (DistinctSampleCount(samples) > 1) warnings.push_back({Kind::SeveralSamples, SampleNames(samples)});
    if (data.componentsFile.source == ComponentsSource::LastRead)
        warnings.push_back({Kind::ComponentsLastRead, data.componentsFile.path});
    if (data.componentsFile.source == ComponentsSource::None)
        warnings.push_back({Kind::ComponentsNotRead, data.componentsFile.path});
    if (data.componentsFile.source != ComponentsSource::None && data.components.empty())
        warnings.push_back({Kind::NoComponents, data.componentsFile.path});
    if (data.componentsFile.source == ComponentsSource::File && data.componentsFile.headerMissing)
        warnings.push_back({Kind::ComponentsWithoutHeader, data.componentsFile.path});
    if (data.componentsFile.tracking.changedOutside)
        warnings.push_back({Kind::TableChangedOutside, data.componentsFile.path});
    if (data.limits && data.limits->tracking.changedOutside)
        warnings.push_back({Kind::TableChangedOutside, data.limits->path});
    if (data.componentsFile.tracking.logUnwritable)
        warnings.push_back({Kind::TableLogUnwritable, data.componentsFile.path});
    if (data.limits && data.limits->tracking.logUnwritable)
        warnings.push_back({Kind::TableLogUnwritable, data.limits->path});
    if (!data.componentsFile.tracking.logProblem.Empty())
        warnings.push_back({Kind::TableLogBroken, data.componentsFile.path, L"", L"",
                            Nested(data.componentsFile.tracking.logProblem)});
    if (data.limits && !data.limits->tracking.logProblem.Empty())
        warnings.push_back(
            {Kind::TableLogBroken, data.limits->path, L"", L"", Nested(data.limits->tracking.logProblem)});
    if (!data.componentsFile.newDefault.path.empty()) {
        warnings.push_back({Kind::NewDefaultTable, data.componentsFile.newDefault.path, L"", L"",
                            Nested(data.componentsFile.newDefault.differences)});
    }
    const std::wstring withoutPeakName = WithoutPeakName(data.components);
    if (!withoutPeakName.empty()) warnings.push_back({Kind::NoPeakName, withoutPeakName});
    CheckRowsTogether(data, warnings);
    if (!data.standard.empty() && !NamesAComponent(data.components, data.standard))
        warnings.push_back({Kind::StandardNotFound, data.standard});
    const bool anyTicked = AnyTicked(assays);
    if (data.standard.empty() && (anyTicked || !data.results.empty()))
        warnings.push_back({Kind::NoStandard, L""});
    if (!data.sampleDensityGiven)
        warnings.push_back({Kind::NoSampleDensity, L""});
    else if (!data.results.empty() && !PlausibleSampleDensity(data.sampleDensity))
        warnings.push_back({Kind::ImplausibleDensity, FormatGeneral(data.sampleDensity, 15)});
    for (const ComponentResult& result : data.results) {
        const bool isStandard = EqualNoCase(result.name, data.standard);
        if (!IsUsableConstant(result.molarMass) && !isStandard)
            warnings.push_back({Kind::NoMolarMass, result.name});
        if (!IsUsableConstant(result.density)) warnings.push_back({Kind::NoDensity, result.name});
        if (result.oxygenAtoms < 1 && !isStandard) warnings.push_back({Kind::NoOxygenAtoms, result.name});
    }
    std::vector<CalculationWarning> chromatograms = CheckChromatograms(data, assays);
    warnings.insert(warnings.end(), std::make_move_iterator(chromatograms.begin()),
                    std::make_move_iterator(chromatograms.end()));
    return warnings;
}
