#pragma once

#include <cstdint>
#include <string>

#include "messages/UserMessages.h"

// Why a chromatogram came into the list without a usable sample mass, or did not come at all: what
// LoadAssay has to tell about one chromatogram, for a caller that tells it in its own way (one box
// for many chromatograms, in the host's language).
struct LoadProblem {
    enum class Kind {
        FileNotRead,            // the file is missing, damaged or did not fit into memory
        NoSampleMass,           // the file's passport names no sample mass
        SampleMassNotPositive,  // the passport's sample mass (detail) is no positive number
        OutOfMemory,            // memory ran out before the chromatogram could be listed at all
    };

    Kind kind = Kind::FileNotRead;
    int32_t id = 0;
    std::wstring fileName;  // as the host database names it; empty for OutOfMemory
    std::wstring detail;    // the passport's text of the sample mass, for SampleMassNotPositive

    // The file's own name, without its folders.
    std::wstring ShortFileName() const;
    // The detail as a message shows it: a long text is cut.
    std::wstring ShownDetail() const;
    // What to say of it. Made when it is said, which may be when memory has run out: whoever says it
    // takes a std::bad_alloc as nothing said.
    Message ToMessage() const;
};

// A problem of a chromatogram.
LoadProblem MakeLoadProblem(LoadProblem::Kind kind, int32_t id, std::wstring fileName,
                            std::wstring detail = std::wstring());

// Where LoadAssay tells its problems.
class LoadProblems {
public:
    virtual void Report(const LoadProblem& problem) = 0;

protected:
    ~LoadProblems() = default;
};

// Tells each problem at once as an error box of its own.
class LoadProblemMessages : public LoadProblems {
public:
    explicit LoadProblemMessages(UserMessages& messages) : messages_(messages) {}
    void Report(const LoadProblem& problem) override { messages_.ShowError(problem.ToMessage()); }

private:
    UserMessages& messages_;
};
