#include "tables/ComponentEntry.h"

#include <algorithm>
#include <cmath>

#include "platform/Codepage1251.h"
#include "platform/NumberText.h"
#include "tables/NameCompare.h"
#include "tables/NotSet.h"

const wchar_t kNewComponentPeakName[] = L"Задайте имя компонента!";
const wchar_t kNewComponentName[] = L"-";

namespace {

using Field = ComponentProblem::Field;
using Kind = ComponentProblem::Kind;

// A new row's placeholder names no peak: rows that still bear it are not counted twice.
bool IsPlaceholder(std::wstring_view name, const std::vector<std::wstring>& placeholders) {
    if (EqualNoCase(name, kNewComponentPeakName)) return true;
    return std::any_of(placeholders.begin(), placeholders.end(),
                       [name](const std::wstring& placeholder) { return EqualNoCase(name, placeholder); });
}

std::optional<Kind> NameProblem(const std::wstring& name) {
    if (name.find_first_of(L";\r\n") != std::wstring::npos) return Kind::Unstorable;
    if (!ToCodepage1251(name)) return Kind::Unrepresentable;
    return std::nullopt;
}

// The first earlier row whose name of this field equals the row's, case aside.
void AddRepeated(const std::vector<Component>& components, size_t position, std::wstring Component::*name,
                 Field field, std::vector<ComponentProblem>& problems) {
    for (size_t earlier = 0; earlier < position; ++earlier) {
        if (!EqualNoCase(TrimBlanks(components[earlier].*name), TrimBlanks(components[position].*name)))
            continue;
        problems.push_back({position, field, Kind::Repeated, earlier});
        return;
    }
}

}  // namespace

std::optional<double> ReadComponentNumber(std::wstring_view text) {
    const std::wstring_view trimmed = TrimBlanks(text);
    if (trimmed.empty() || trimmed == L"---") return NotSet;
    return ReadWholeNumber(trimmed);
}

std::optional<int32_t> ReadOxygenAtoms(std::wstring_view text) {
    const std::wstring_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return 1;
    const std::optional<double> atoms = ReadWholeNumber(trimmed);
    if (!atoms || *atoms < 1 || *atoms > kMostOxygenAtoms || *atoms != static_cast<int32_t>(*atoms))
        return std::nullopt;
    return static_cast<int32_t>(*atoms);
}

bool operator==(const ComponentProblem& a, const ComponentProblem& b) {
    return a.position == b.position && a.field == b.field && a.kind == b.kind && a.earlier == b.earlier;
}

std::vector<ComponentProblem> CheckComponents(const std::vector<Component>& components,
                                              const std::vector<std::wstring>& placeholders) {
    std::vector<ComponentProblem> problems;
    for (size_t position = 0; position < components.size(); ++position) {
        const Component& component = components[position];
        const auto add = [&](Field field, std::optional<Kind> kind) {
            if (kind) problems.push_back({position, field, *kind});
        };
        const std::optional<Kind> peakName = NameProblem(component.peakName);
        add(Field::PeakName, peakName);
        const std::wstring_view trimmed = TrimBlanks(component.peakName);
        if (!peakName && !trimmed.empty() && !IsPlaceholder(trimmed, placeholders))
            AddRepeated(components, position, &Component::peakName, Field::PeakName, problems);
        add(Field::Name, NameProblem(component.name));
        if (std::isnan(component.molarMass)) add(Field::MolarMass, Kind::NotANumber);
        if (std::isnan(component.density)) add(Field::Density, Kind::NotANumber);
        const bool atoms = component.oxygenAtoms >= 1 && component.oxygenAtoms <= kMostOxygenAtoms;
        add(Field::OxygenAtoms, atoms ? std::nullopt : std::optional<Kind>(Kind::NotANumber));
    }
    return problems;
}
