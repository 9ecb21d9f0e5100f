#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "hostlink/HostLink.h"
#include "win/LibraryModule.h"

class DlgMain;

// Everything that lives from Load to the unloading of the library. One instance per loaded library.
struct PluginState {
    HostLink host;
    int subscriptionId = 0;
    int commandId = 0;
    LibraryModule languageModule;         // the resource library for a language other than Russian
    std::unique_ptr<DlgMain> mainDialog;  // frees itself (through here) when its window goes
    std::wstring profileRoot;             // "plugins\oxycalc" after the first menu command

    PluginState();
    ~PluginState();
};

PluginState& Plugin();
