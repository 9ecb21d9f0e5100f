#include "plugin/Lifecycle.h"

#include "data/DataBaseConnection.h"
#include "plugin/LanguageModule.h"
#include "plugin/PluginState.h"
#include "res/ResourceIds.h"
#include "ui/DlgMain.h"
#include "win/Firewall.h"
#include "win/Resources.h"

namespace {

constexpr LANGID kRussian = 1049;

// Picks the resource module for the host's language: our own resources for Russian (or when the host
// does not say), otherwise the language library beside the plug-in when it loads.
void ChooseResourceModule(PluginState& state, HINSTANCE self) {
    const auto language = state.host.CallIfOffered(HostNames::kGetLanguage, 0, 0);
    if (!language) return;
    const LANGID id = static_cast<LANGID>(*language & 0xFFFF);
    if (id == kRussian) return;
    const std::wstring path = LanguageModulePath(ModuleFileName(self), id);
    if (path.empty()) return;
    LibraryModule library(path);
    if (!library) return;
    SetResourceModule(library.Get());
    state.languageModule = std::move(library);
}

void AddMenuEntry(const PluginState& state) {
    const std::wstring path = LoadResourceString(ResourceModule(), IDS_OXY_MENU_PATH);
    NewMenuInfo entry{sizeof(NewMenuInfo), path.c_str(), 0, HostNames::kMenuCommand};
    state.host.Call(HostNames::kCreateNewMenu, 0, reinterpret_cast<intptr_t>(&entry));
}

void TakeConnectionString(const PluginState& state) {
    if (!state.host.Offers(HostNames::kGetConnectionUri)) return;
    const intptr_t text = state.host.Call(HostNames::kGetConnectionUri, 0, 0);
    DataBaseConnection::Instance().Store(reinterpret_cast<const wchar_t*>(text));
}

}  // namespace

int LoadPlugin(const HostApi* host, HINSTANCE self) {
    PluginState& state = Plugin();
    state.host = HostLink(host);
    state.languageModule.Reset();
    SetOwnModule(self);
    SetResourceModule(self);
    state.subscriptionId = state.host.Subscribe(HostNames::kModulesLoaded, OnModulesLoaded);
    ChooseResourceModule(state, self);
    return 0;
}

int __cdecl OnModulesLoaded(intptr_t) {
    return Firewall("System/ModulesLoaded", 0, [] {
        PluginState& state = Plugin();
        state.commandId = state.host.RegisterCommand(HostNames::kMenuCommand, OnMenuCommand);
        AddMenuEntry(state);
        TakeConnectionString(state);
        return 0;
    });
}

int __cdecl OnMenuCommand(intptr_t ownerWindow) {
    return Firewall("oxycalc/MenuCommand", 0, [ownerWindow] {
        PluginState& state = Plugin();
        if (!state.mainDialog) {
            state.profileRoot = L"plugins\\oxycalc";
            // The dialog lives as long as its window; when the window goes, so does the object.
            state.mainDialog =
                std::make_unique<DlgMain>(state.host, state.profileRoot, [] { Plugin().mainDialog.reset(); });
            state.mainDialog->Create(reinterpret_cast<HWND>(ownerWindow));
        }
        // The host may have closed while the opening showed a box: the window, and the object, are gone.
        if (state.mainDialog && state.mainDialog->Handle() != nullptr)
            ShowWindow(state.mainDialog->Handle(), SW_SHOWNORMAL);
        return 0;
    });
}

int UnloadPlugin() {
    PluginState& state = Plugin();
    // The window must not outlive the code behind it. One whose handler still runs (the host unloads
    // from inside an open box) is destroyed now and freed when that handler returns.
    if (state.mainDialog) {
        if (state.mainDialog->Busy()) {
            DestroyWindow(state.mainDialog->Handle());
        } else {
            state.mainDialog.reset();
        }
    }
    state.host.Unsubscribe(state.subscriptionId);
    state.host.UnregisterCommand(state.commandId);
    state.languageModule.Reset();
    SetResourceModule(OwnModule());
    return 0;
}
