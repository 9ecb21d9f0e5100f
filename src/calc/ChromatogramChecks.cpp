#include "calc/ChromatogramChecks.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "calc/CalculationData.h"
#include "calc/MethodScope.h"
#include "calc/PeakNameIndex.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "tables/NameCompare.h"

namespace {

using Kind = CalculationWarning::Kind;

bool UsableConcentration(const Peak& peak) {
    return peak.concentrationGiven && std::isfinite(peak.concentration) && peak.concentration >= 0.0;
}

// ", "-separated labels.
class LabelList {
public:
    void Add(const Assay& assay) { text_ += (text_.empty() ? L"" : L", ") + ChromatogramLabel(assay); }
    bool Empty() const { return text_.empty(); }
    const std::wstring& Text() const { return text_; }

private:
    std::wstring text_;
};

// The first peak of each component's name in one chromatogram, by the component's position; the later
// peaks of a name already counted go into `again`, by the position of the first; the named peaks no
// component takes into `untaken`.
std::vector<const Peak*> CountedPeaks(const PeakNameIndex& index, size_t components, const Assay& assay,
                                      std::vector<std::vector<const Peak*>>& again,
                                      std::vector<const Peak*>& untaken) {
    std::vector<const Peak*> counted(components, nullptr);
    again.assign(components, {});
    untaken.clear();
    for (const Peak& peak : assay.peaks) {
        bool taken = false;
        index.ForEachMatch(peak.name, [&](size_t position) {
            taken = true;
            if (counted[position] == nullptr) {
                counted[position] = &peak;
            } else {
                again[position].push_back(&peak);
            }
        });
        if (!taken && !peak.name.empty()) untaken.push_back(&peak);
    }
    return counted;
}

// The named peaks of the ticked chromatograms that no component takes: a peak renamed in the host's method
// would otherwise drop out of every sum without a word. One whose name equals a component's peak name but
// for blanks or control characters is that component's peak mistyped, here or in the table: the
// component's result is then no result.
class UntakenPeaks {
public:
    explicit UntakenPeaks(const std::vector<Component>& components) : components_(components) {
        for (size_t position = 0; position < components.size(); ++position) {
            const std::wstring key = LooseNameKey(components[position].peakName);
            if (!key.empty()) byLooseName_[key].push_back(position);
        }
    }

    void Add(const Assay& assay, const std::vector<const Peak*>& untaken) {
        if (untaken.empty()) return;
        chromatograms_.Add(assay);
        std::vector<size_t> told;  // the components this chromatogram is named for already
        for (const Peak* peak : untaken) {
            const bool seen = std::any_of(names_.begin(), names_.end(), [peak](const std::wstring& name) {
                return EqualNoCase(name, peak->name);
            });
            if (!seen) names_.push_back(peak->name);
            const auto near = byLooseName_.find(LooseNameKey(peak->name));
            if (near == byLooseName_.end()) continue;
            for (const size_t position : near->second) {
                Mistyped& mistyped = mistyped_[position];
                if (mistyped.written.empty()) mistyped.written = peak->name;
                if (std::find(told.begin(), told.end(), position) != told.end()) continue;
                told.push_back(position);
                mistyped.chromatograms.Add(assay);
            }
        }
    }

    void Tell(std::vector<CalculationWarning>& warnings) const {
        if (names_.empty()) return;
        std::wstring listed;
        for (size_t i = 0; i < names_.size() && i < kListed; ++i)
            listed += (listed.empty() ? L"«" : L", «") + VisibleName(names_[i]) + L"»";
        if (names_.size() > kListed) listed += L", …";
        warnings.push_back({Kind::PeaksWithoutComponent, listed, chromatograms_.Text(), L"",
                            static_cast<int64_t>(names_.size())});
        for (const auto& [position, mistyped] : mistyped_) {
            const Component& component = components_[position];
            warnings.push_back(
                {Kind::PeakNameMistyped, component.name, mistyped.chromatograms.Text(), component.peakName,
                 L"«" + VisibleName(mistyped.written) + L"» ≠ «" + VisibleName(component.peakName) + L"»"});
        }
    }

private:
    static constexpr size_t kListed = 20;  // names shown; the count tells the rest

    struct Mistyped {
        std::wstring written;  // the first such name, as the chromatogram gives it
        LabelList chromatograms;
    };

    const std::vector<Component>& components_;
    std::unordered_map<std::wstring, std::vector<size_t>> byLooseName_;
    std::vector<std::wstring> names_;
    LabelList chromatograms_;
    std::map<size_t, Mistyped> mistyped_;  // by the component's position: in table order
};

// One warning for each name the chromatogram gives to more than one peak that the calculation counts,
// with the times of all of them in list order; a name two components share is said once.
void CheckPeaksNamedAgain(const Assay& assay, const std::vector<const Peak*>& counted,
                          const std::vector<std::vector<const Peak*>>& again,
                          std::vector<CalculationWarning>& warnings) {
    std::vector<const Peak*> told;
    for (size_t position = 0; position < counted.size(); ++position) {
        if (again[position].empty() || std::find(told.begin(), told.end(), counted[position]) != told.end())
            continue;
        told.push_back(counted[position]);
        std::wstring times = FormatFixed(counted[position]->time, 3);
        for (const Peak* peak : again[position]) times += L", " + FormatFixed(peak->time, 3);
        warnings.push_back(
            {Kind::PeakTwiceInChromatogram, counted[position]->name, ChromatogramLabel(assay), L"", times});
    }
}

// What the processed chromatograms say about one component.
struct ComponentFindings {
    LabelList missing;     // processed chromatograms without its peak
    LabelList unusable;    // those whose peak gives no usable concentration
    double highest = 0.0;  // the highest usable concentration found
    bool found = false;
};

const Component* StandardComponent(const CalculationData& data) {
    if (data.standard.empty()) return nullptr;
    const auto found =
        std::find_if(data.components.begin(), data.components.end(),
                     [&data](const Component& c) { return EqualNoCase(c.name, data.standard); });
    return found == data.components.end() || found->peakName.empty() ? nullptr : &*found;
}

}  // namespace

std::wstring ChromatogramLabel(const Assay& assay) {
    const size_t slash = assay.fileName.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? assay.fileName : assay.fileName.substr(slash + 1);
    return name.empty() ? L"id " + std::to_wstring(assay.id) : name;
}

std::vector<CalculationWarning> CheckChromatograms(const CalculationData& data,
                                                   const std::vector<Assay>& assays) {
    const std::vector<Component>& components = data.components;
    const PeakNameIndex index(components);
    const Component* standard = StandardComponent(data);
    LabelList unprocessed;
    LabelList withoutStandard;
    LabelList undated;
    std::vector<ComponentFindings> findings(components.size());
    std::vector<CalculationWarning> namedAgain;
    std::vector<std::vector<const Peak*>> again;
    std::vector<const Peak*> untaken;
    UntakenPeaks untakenPeaks(components);
    for (const Assay& assay : assays) {
        if (assay.isTicked == 0) continue;
        if (!IsShowableMoment(assay.date)) undated.Add(assay);
        // A chromatogram the host has not processed lacks everything; it is named once, for that.
        if (assay.peaks.empty()) {
            unprocessed.Add(assay);
            continue;
        }
        const std::vector<const Peak*> counted =
            CountedPeaks(index, components.size(), assay, again, untaken);
        CheckPeaksNamedAgain(assay, counted, again, namedAgain);
        untakenPeaks.Add(assay, untaken);
        for (size_t position = 0; position < components.size(); ++position) {
            ComponentFindings& finding = findings[position];
            const Peak* peak = counted[position];
            if (peak == nullptr) {
                finding.missing.Add(assay);
                if (&components[position] == standard) withoutStandard.Add(assay);
                continue;
            }
            finding.found = true;
            if (!UsableConcentration(*peak)) {
                finding.unusable.Add(assay);
            } else {
                finding.highest = std::max(finding.highest, peak->concentration);
            }
        }
    }
    std::vector<CalculationWarning> warnings;
    if (!undated.Empty()) warnings.push_back({Kind::NoAnalysisDate, L"", undated.Text()});
    if (!unprocessed.Empty()) warnings.push_back({Kind::NoNamedPeaks, L"", unprocessed.Text()});
    if (!withoutStandard.Empty())
        warnings.push_back({Kind::NoStandardPeak, data.standard, withoutStandard.Text(), standard->peakName});
    for (size_t position = 0; position < components.size(); ++position) {
        const ComponentFindings& finding = findings[position];
        const Component& component = components[position];
        if (!finding.unusable.Empty())
            warnings.push_back(
                {Kind::BadConcentration, component.name, finding.unusable.Text(), component.peakName});
        // Below the method's lowest level a component missing from one parallel is ordinary.
        const bool partly = finding.found && !finding.missing.Empty() && &component != standard &&
                            finding.highest >= kLowestOxygenateMassPercent;
        if (partly)
            warnings.push_back(
                {Kind::PartlyFound, component.name, finding.missing.Text(), component.peakName});
    }
    warnings.insert(warnings.end(), namedAgain.begin(), namedAgain.end());
    untakenPeaks.Tell(warnings);
    return warnings;
}
