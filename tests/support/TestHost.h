#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "hostlink/HostApi.h"

// A host table for the tests: it records every call a plug-in makes, in order, keeps a profile in
// memory, answers the chromatogram chooser with given ids and notes the files it was asked to open.
// The table's functions carry no context, so there is one host for the process.
class TestHost {
public:
    static TestHost& Instance();

    // Forgets everything and offers the services the dialogs use, with an empty profile.
    void Reset();
    // Forgets everything and offers exactly these services.
    void Reset(std::set<std::string> services);
    const HostApi* Table() const { return &table_; }

    // Runs what the plug-in subscribed to or registered under this name; -1 when nothing was.
    int Fire(const std::string& name, intptr_t argument);

    std::set<std::string> offered;
    std::vector<std::string> calls;  // "subscribe E", "register C", "call S", "exists S", ...
    int32_t language = 1049;
    std::wstring connectionString;
    const wchar_t* connectionText = nullptr;  // when set, answered in place of connectionString
    std::vector<std::wstring> menuPaths;
    std::map<std::string, HostHandler> handlers;   // by event or command name
    std::map<std::wstring, std::wstring> profile;  // by full path
    std::vector<int32_t> chosenIds;
    int32_t chooserAnswer = -1;  // the count the chooser reports; -1: the number of chosenIds
    std::vector<std::wstring> openedFiles;

private:
    TestHost();
    HostApi table_{};
    int nextId_ = 1;

    friend struct TestHostCalls;
};
