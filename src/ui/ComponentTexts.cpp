#include "ui/ComponentTexts.h"

#include <windows.h>

#include <algorithm>

#include "platform/Codepage1251.h"
#include "platform/TextTemplate.h"
#include "res/ResourceIds.h"
#include "win/Resources.h"

namespace {

constexpr size_t kListedProblems = 15;

using Field = ComponentProblem::Field;
using Kind = ComponentProblem::Kind;

UINT ColumnCaption(Field field) {
    switch (field) {
        case Field::PeakName:
            return IDS_OXY_COL_COMPONENT;
        case Field::Name:
            return IDS_OXY_COL_COMPONENT_NAME;
        case Field::MolarMass:
            return IDS_OXY_COL_MOLAR_MASS;
        case Field::OxygenAtoms:
            return IDS_OXY_COL_OXYGEN_ATOMS;
        case Field::Density:
            break;
    }
    return IDS_OXY_COL_DENSITY;
}

std::wstring ProblemText(const ComponentProblem& problem, const std::wstring& typed) {
    const bool name = problem.field == Field::PeakName || problem.field == Field::Name;
    switch (problem.kind) {
        case Kind::Missing:
            return ResourceText(name ? IDS_OXY_CHECK_MISSING_NAME : IDS_OXY_CHECK_MISSING_NUMBER);
        case Kind::NotANumber:
            return FillTemplate(ResourceText(IDS_OXY_CHECK_NOT_A_NUMBER), {typed});
        case Kind::NotPositive:
            return ResourceText(IDS_OXY_CHECK_NOT_POSITIVE);
        case Kind::Unstorable:
            return ResourceText(IDS_OXY_CHECK_UNSTORABLE);
        case Kind::Repeated:
            return FillTemplate(ResourceText(IDS_OXY_CHECK_SAME_AS_ROW),
                                {std::to_wstring(problem.earlier + 1)});
        case Kind::Unrepresentable:
            break;
    }
    return ResourceText(IDS_OXY_CHECK_UNREPRESENTABLE);
}

// The name of the refused component that the file cannot take.
std::wstring RefusedName(const SaveResult& result, const ComponentsTable& table) {
    if (result.component >= table.components.size()) return std::wstring();
    const Component& component = table.components[result.component];
    const bool peakNameRefused = result.status == SaveStatus::Unstorable
                                     ? component.peakName.find_first_of(L";\r\n") != std::wstring::npos
                                     : !ToCodepage1251(component.peakName).has_value();
    return peakNameRefused ? component.peakName : component.name;
}

}  // namespace

std::wstring ComponentProblemsText(const std::vector<ComponentProblem>& problems,
                                   const std::function<std::wstring(const ComponentProblem&)>& typedText) {
    std::wstring text = ResourceText(IDS_OXY_CHECK_HEADER);
    const size_t listed = std::min(problems.size(), kListedProblems);
    for (size_t index = 0; index < listed; ++index) {
        const ComponentProblem& problem = problems[index];
        text +=
            L"\n" + FillTemplate(ResourceText(IDS_OXY_CHECK_ROW), {std::to_wstring(problem.position + 1),
                                                                   ResourceText(ColumnCaption(problem.field)),
                                                                   ProblemText(problem, typedText(problem))});
    }
    if (listed < problems.size()) {
        text +=
            L"\n" + FillTemplate(ResourceText(IDS_OXY_AND_MORE), {std::to_wstring(problems.size() - listed)});
    }
    return text;
}

std::wstring SaveResultText(const SaveResult& result, const ComponentsTable& table) {
    const std::wstring number = std::to_wstring(result.component + 1);
    switch (result.status) {
        case SaveStatus::Saved:
        case SaveStatus::NoPath:
            return std::wstring();
        case SaveStatus::Unrepresentable:
            return FillTemplate(ResourceText(IDS_OXY_SAVE_UNREPRESENTABLE),
                                {number, RefusedName(result, table)});
        case SaveStatus::Unstorable:
            return FillTemplate(ResourceText(IDS_OXY_SAVE_UNSTORABLE), {number, RefusedName(result, table)});
        case SaveStatus::ReadsAsUtf8:
            return ResourceText(IDS_OXY_SAVE_READS_AS_UTF8);
        case SaveStatus::OpenFailed:
            return FillTemplate(ResourceText(IDS_OXY_SAVE_OPEN_FAILED), {table.path});
        case SaveStatus::NotLoaded:
            return FillTemplate(ResourceText(IDS_OXY_SAVE_NOT_LOADED), {table.path});
        case SaveStatus::WriteFailed:
            break;
    }
    return FillTemplate(ResourceText(IDS_OXY_SAVE_WRITE_FAILED), {table.path});
}
