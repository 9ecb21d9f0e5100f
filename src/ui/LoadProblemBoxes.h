#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "data/LoadProblem.h"
#include "ui/PluginMessages.h"

// What goes wrong while a command loads chromatograms ("+", "U", the list restored at start): each problem
// in an error box of its own, owned by the main dialog, shown in the middle of loading. The chromatograms
// whose files did not read are remembered, so that their ticks are kept for when the files read again.
class LoadProblemBoxes : public LoadProblems {
public:
    explicit LoadProblemBoxes(HWND owner) : boxes_(owner) {}
    void Report(const LoadProblem& problem) override;

    // Whether the chromatogram's file did not read during this command (memory that ran out included).
    bool FileNotRead(int32_t id) const;

private:
    PluginMessages boxes_;
    std::vector<int32_t> notRead_;
};
