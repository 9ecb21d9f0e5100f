#include "ui/LoadProblemBoxes.h"

#include <algorithm>
#include <new>

void LoadProblemBoxes::Report(const LoadProblem& problem) {
    if (problem.kind == LoadProblem::Kind::FileNotRead || problem.kind == LoadProblem::Kind::OutOfMemory)
        notRead_.push_back(problem.id);
    // Memory that has run out may not even hold the box's text: the chromatogram is listed all the same.
    try {
        boxes_.ShowError(problem.ToMessage());
    } catch (const std::bad_alloc&) {
    }
}

bool LoadProblemBoxes::FileNotRead(int32_t id) const {
    return std::find(notRead_.begin(), notRead_.end(), id) != notRead_.end();
}
