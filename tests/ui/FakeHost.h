#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "hostlink/HostApi.h"

// A host for the dialogs: a profile in memory, a chromatogram chooser answering given ids, and a
// record of the files it was asked to open. One per process, as the table carries no context.
class FakeHost {
public:
    static FakeHost& Instance();
    // Offers every service the dialogs use, with an empty profile.
    void Reset();
    const HostApi* Table() const { return &table_; }

    std::set<std::string> offered;
    std::map<std::wstring, std::wstring> profile;  // by full path
    std::vector<int32_t> chosenIds;
    int32_t chooserAnswer = -1;  // the count the chooser reports; -1: the number of chosenIds
    std::vector<std::wstring> openedFiles;
    std::vector<std::string> calls;

private:
    FakeHost();
    HostApi table_{};
    friend struct FakeHostCalls;
};
