#include "ui/LoadProblemsBox.h"

#include <algorithm>

#include "platform/TextTemplate.h"
#include "res/ResourceIds.h"
#include "ui/UiLanguage.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

namespace {

// A box taller than the screen would hide its OK button.
constexpr size_t kListedProblems = 15;
constexpr size_t kListedFolders = 3;

using Kind = LoadProblem::Kind;

// A text of the string table with the problem's values; the core's own words when the module has none.
std::wstring Filled(UINT id, const LoadProblem& problem, std::vector<std::wstring> values) {
    const std::wstring pattern = ResourceText(id);
    return pattern.empty() ? UiText(problem.ToMessage()) : FillTemplate(pattern, values);
}

std::wstring LoadProblemLine(const LoadProblem& problem) {
    switch (problem.kind) {
        case Kind::FileNotRead:
            return Filled(IDS_OXY_LOAD_LINE_FILE_NOT_READ, problem, {problem.ShortFileName()});
        case Kind::NoSampleMass:
            return Filled(IDS_OXY_LOAD_LINE_NO_MASS, problem, {problem.ShortFileName()});
        case Kind::SampleMassNotPositive:
            return Filled(IDS_OXY_LOAD_LINE_BAD_MASS, problem,
                          {problem.ShortFileName(), problem.ShownDetail()});
        case Kind::OutOfMemory:
            break;
    }
    return Filled(IDS_OXY_LOAD_LINE_OUT_OF_MEMORY, problem, {std::to_wstring(problem.id)});
}

// The folders of the files that did not read, in the order first met: a share that went away shows as
// one folder.
std::vector<std::wstring> FoldersNotRead(const std::vector<LoadProblem>& problems) {
    std::vector<std::wstring> folders;
    for (const LoadProblem& problem : problems) {
        if (problem.kind != Kind::FileNotRead) continue;
        const size_t separator = problem.fileName.find_last_of(L"\\/");
        if (separator == std::wstring::npos) continue;
        const std::wstring folder = problem.fileName.substr(0, separator);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    }
    return folders;
}

}  // namespace

bool LoadProblemsBox::FileNotRead(int32_t id) const {
    return std::any_of(problems_.begin(), problems_.end(), [id](const LoadProblem& problem) {
        return problem.id == id && (problem.kind == Kind::FileNotRead || problem.kind == Kind::OutOfMemory);
    });
}

void LoadProblemsBox::Show(HWND owner) const {
    if (problems_.empty()) return;
    ShowErrorBox(owner, problems_.size() == 1 ? LoadProblemText(problems_[0]) : LoadProblemsText(problems_));
}

std::wstring LoadProblemText(const LoadProblem& problem) {
    return UiText(problem.ToMessage());
}

std::wstring LoadProblemsText(const std::vector<LoadProblem>& problems) {
    std::wstring text = FillTemplate(ResourceText(IDS_OXY_LOAD_MANY), {std::to_wstring(problems.size())});
    const size_t listed = std::min(problems.size(), kListedProblems);
    for (size_t index = 0; index < listed; ++index) text += L"\n" + LoadProblemLine(problems[index]);
    if (listed < problems.size()) {
        text +=
            L"\n" + FillTemplate(ResourceText(IDS_OXY_AND_MORE), {std::to_wstring(problems.size() - listed)});
    }
    const std::vector<std::wstring> folders = FoldersNotRead(problems);
    if (!folders.empty()) text += L"\n";
    for (size_t index = 0; index < folders.size() && index < kListedFolders; ++index) {
        text += L"\n" + FillTemplate(ResourceText(IDS_OXY_LOAD_FOLDER), {folders[index]});
    }
    return text + L"\n\n" + ResourceText(IDS_OXY_LOAD_MANY_NOTE);
}
