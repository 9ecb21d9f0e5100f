#include "data/LoadProblem.h"

#include <utility>

namespace {

constexpr size_t kShownDetail = 40;

Message MessageOf(const LoadProblem& problem) {
    switch (problem.kind) {
        case LoadProblem::Kind::FileNotRead:
            return Message(MessageCode::LoadFileNotRead, {problem.fileName});
        case LoadProblem::Kind::NoSampleMass:
            return Message(MessageCode::LoadNoSampleMass, {problem.ShortFileName()});
        case LoadProblem::Kind::SampleMassNotPositive:
            return Message(MessageCode::LoadSampleMassNotPositive,
                           {problem.ShortFileName(), problem.ShownDetail()});
        case LoadProblem::Kind::OutOfMemory:
            return Message(MessageCode::LoadOutOfMemory, {int64_t{problem.id}});
    }
    return Message(MessageCode::Text, {problem.fileName});
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
    return problem;
}

Message LoadProblem::ToMessage() const {
    return MessageOf(*this);
}
