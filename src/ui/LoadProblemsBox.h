#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/LoadProblem.h"

// What went wrong while one command loaded chromatograms ("+", "U", the list restored at start),
// told once when the command is done: a single chromatogram in the box it always had, several in one
// box that lists them, so that forty files on a share that went away ask for one click, not forty.
class LoadProblemsBox : public LoadProblems {
public:
    void Report(const LoadProblem& problem) override { problems_.push_back(problem); }

    const std::vector<LoadProblem>& Problems() const { return problems_; }
    // Whether the chromatogram's file did not read during this command (memory that ran out included).
    bool FileNotRead(int32_t id) const;
    // The box; nothing when all went well.
    void Show(HWND owner) const;

private:
    std::vector<LoadProblem> problems_;
};

// One problem as its own box says it, in the host's language.
std::wstring LoadProblemText(const LoadProblem& problem);
// Several problems as one box lists them: a line each by the file's name (the first ones when there are
// very many), the folders of the files that did not read, and what the user can do about them.
std::wstring LoadProblemsText(const std::vector<LoadProblem>& problems);
