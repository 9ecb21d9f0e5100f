// The plug-in's only exports: GetPluginInfo, Load and Unload (cdecl, plain names).
#include <windows.h>

#include "plugin/Lifecycle.h"
#include "plugin/LoadedMark.h"
#include "plugin/PluginInfo.h"
#include "win/Firewall.h"

namespace {
HINSTANCE gSelf = nullptr;
// Made when the library is mapped, released when it is unmapped.
const LoadedMark gLoadedMark;
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gSelf = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) const PluginInfo* __cdecl GetPluginInfo() {
    return &ThePluginInfo();
}

extern "C" __declspec(dllexport) int __cdecl Load(const HostApi* host) {
    return Firewall("Load", 0, [host] { return LoadPlugin(host, gSelf); });
}

extern "C" __declspec(dllexport) int __cdecl Unload() {
    return Firewall("Unload", 0, [] { return UnloadPlugin(); });
}
