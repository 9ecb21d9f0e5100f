#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "hostlink/HostApi.h"

// A host table that records every call a plug-in makes, in order, and answers from a script.
// The table's functions carry no context, so there is one recorder for the process.
class RecordingHost {
public:
    static RecordingHost& Instance();

    // Forgets the calls and handlers and offers exactly these services.
    void Reset(std::set<std::string> offered);
    const HostApi* Table() const { return &table_; }

    std::vector<std::string> calls;
    int32_t language = 1049;
    std::wstring connectionString;
    const wchar_t* connectionText = nullptr;  // when set, answered in place of connectionString
    std::vector<std::wstring> menuPaths;
    std::map<std::string, HostHandler> handlers;  // by event or command name

    // Runs what the plug-in subscribed to or registered under this name.
    int Fire(const std::string& name, intptr_t argument);

private:
    RecordingHost();
    HostApi table_{};
    std::set<std::string> offered_;
    int nextId_ = 1;

    friend struct RecordingHostCalls;
};
