#include "ui/ComponentTexts.h"

#include <windows.h>

#include <algorithm>

#include "platform/Codepage1251.h"
#include "platform/TextTemplate.h"
#include "res/ResourceIds.h"
#include "ui/UiLanguage.h"
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
    switch (problem.kind) {
        case Kind::NotANumber:
            return FillTemplate(ResourceText(IDS_OXY_CHECK_NOT_A_NUMBER), {typed});
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

std::wstring SaveResultText(const SaveResult& result) {
    return UiText(result.message);
}
