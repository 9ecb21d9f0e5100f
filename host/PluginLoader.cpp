#include "PluginLoader.h"

#include <windows.h>

#include <algorithm>

namespace {

using GetPluginInfoFunction = const PluginInfo*(__cdecl*)();
using LoadFunction = int(__cdecl*)(const HostApi*);
using UnloadFunction = int(__cdecl*)();

std::vector<std::wstring> DllsIn(const std::wstring& folder) {
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        files.push_back(folder + L"\\" + found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

void PluginLoader::LoadFolder(const std::wstring& folder, const HostApi* table) {
    for (const std::wstring& file : DllsIn(folder)) {
        LibraryModule module(file);
        if (!module) continue;
        auto getInfo = ExportedFunction<GetPluginInfoFunction>(module.Get(), "GetPluginInfo");
        auto load = ExportedFunction<LoadFunction>(module.Get(), "Load");
        auto unload = ExportedFunction<UnloadFunction>(module.Get(), "Unload");
        if (getInfo == nullptr || load == nullptr || unload == nullptr) continue;
        const PluginInfo* info = getInfo();
        load(table);
        plugins_.push_back({file, std::move(module), info, unload});
    }
}

void PluginLoader::UnloadAll() {
    while (!plugins_.empty()) {
        plugins_.back().unload();
        plugins_.pop_back();
    }
}

std::vector<PluginLoader::Loaded> PluginLoader::Plugins() const {
    std::vector<Loaded> list;
    for (const Plugin& plugin : plugins_) list.push_back({plugin.file, plugin.info});
    return list;
}
