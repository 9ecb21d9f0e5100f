#include "data/LoadProblem.h"

#include <utility>

namespace {

constexpr size_t kShownDetail = 40;

std::wstring RussianText(const LoadProblem& problem) {
    switch (problem.kind) {
        case LoadProblem::Kind::FileNotRead:
            return L"Ошибка загрузки файла: '" + problem.fileName + L"'";
        case LoadProblem::Kind::NoSampleMass:
            return L"В хроматограмме \n" + problem.ShortFileName() + L"\nне указана масса пробы";
        case LoadProblem::Kind::SampleMassNotPositive:
            return L"В хроматограмме \n" + problem.ShortFileName() + L"\nмасса пробы «" +
                   problem.ShownDetail() + L"» не является положительным числом";
        case LoadProblem::Kind::OutOfMemory:
            return L"Недостаточно памяти для загрузки хроматограммы " + std::to_wstring(problem.id);
    }
    return problem.fileName;
}

}  // namespace

std::wstring LoadProblem::ShortFileName() const {
    const size_t separator = fileName.find_last_of(L"\\/");
    return separator == std::wstring::npos ? fileName : fileName.substr(separator + 1);
}

std::wstring LoadProblem::ShownDetail() const {
    return detail.size() <= kShownDetail ? detail : detail.substr(0, kShownDetail) + L"…";
}

LoadProblem MakeLoadProblem(LoadProblem::Kind kind, int32_t id, std::wstring fileName, std::wstring detail) {
    LoadProblem problem;
    problem.kind = kind;
    problem.id = id;
    problem.fileName = std::move(fileName);
    problem.detail = std::move(detail);
    problem.text = RussianText(problem);
    return problem;
}
