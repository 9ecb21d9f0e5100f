#pragma once

#include <string>
#include <vector>

#include "hostlink/HostApi.h"
#include "plugin/PluginInfo.h"
#include "win/LibraryModule.h"

// The plug-ins of a folder: every DLL that exports GetPluginInfo, Load and Unload is loaded and
// started with the host's table; DLLs without them (resource libraries) are left alone.
class PluginLoader {
public:
    PluginLoader() = default;
    ~PluginLoader() { UnloadAll(); }
    PluginLoader(const PluginLoader&) = delete;
    PluginLoader& operator=(const PluginLoader&) = delete;

    void LoadFolder(const std::wstring& folder, const HostApi* table);
    // Calls Unload of each plug-in, last loaded first, then frees the libraries.
    void UnloadAll();

    struct Loaded {
        std::wstring file;
        const PluginInfo* info;
    };
    std::vector<Loaded> Plugins() const;

private:
    struct Plugin {
        std::wstring file;
        LibraryModule module;
        const PluginInfo* info;
        int(__cdecl* unload)();
    };
    std::vector<Plugin> plugins_;
};
