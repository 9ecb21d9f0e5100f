// The substitute host: loads the plug-ins of a folder exactly as the real host does, gives them its
// function table, fires "System/ModulesLoaded", builds their menu entries and runs their commands.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChromatogramWindow.h"
#include "HostOptions.h"
#include "HostScript.h"
#include "HostServices.h"
#include "HostSetup.h"
#include "MainWindow.h"
#include "PluginLoader.h"
#include "Profile.h"
#include "ServiceBus.h"
#include "platform/ProgramArguments.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "win/LibraryModule.h"

namespace {

constexpr UINT_PTR kQuitTimer = 1;

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

void WriteReady(const std::wstring& file) {
    StdioFile ready = OpenStdioFile(file, "wb");
    if (ready) std::fputs("ready\n", ready.get());
}

// Lets Tab and the arrow keys work in a plug-in's modeless dialog, as in any dialog.
bool IsDialogKey(MSG& message) {
    HWND active = GetActiveWindow();
    if (active == nullptr) return false;
    wchar_t className[16] = {};
    GetClassNameW(active, className, 16);
    return std::wstring(className) == L"#32770" && IsDialogMessageW(active, &message);
}

void CALLBACK QuitTimer(HWND window, UINT, UINT_PTR, DWORD) {
    PostMessageW(window, WM_CLOSE, 0, 0);
}

int Run() {
    const std::wstring hostFolder = FolderOf(ModuleFileName(nullptr));
    const HostOptions options = ParseHostOptions(ProgramArguments(0, nullptr), hostFolder);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    Profile profile(options.profileFile);
    ServiceBus& bus = ServiceBus::Instance();
    MainWindow window([&bus](const std::string& command, HWND owner) {
        bus.RunCommand(command, reinterpret_cast<intptr_t>(owner));
    });
    if (!window.Create(L"Veltar — хроматографические данные"))
        throw std::runtime_error("the main window was not created");
    ChromatogramWindows chromatograms;
    OfferHostServices(bus, options, profile, window, chromatograms);
    window.SetStatus(InstallPluginData(hostFolder));

    PluginLoader plugins;
    plugins.LoadFolder(options.pluginFolder, bus.Table());
    bus.Fire(HostNames::kModulesLoaded, 0);
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    UpdateWindow(window.Handle());

    if (options.pick && !window.Pick(*options.pick)) {
        throw std::runtime_error("no menu entry " + ToUtf8(*options.pick));
    }
    if (options.showFile)
        bus.Call(HostNames::kOpenAssayFile, 0, reinterpret_cast<intptr_t>(options.showFile->c_str()));
    if (options.readyFile) WriteReady(*options.readyFile);
    std::unique_ptr<HostScript> script;
    if (options.scriptFile) {
        script = std::make_unique<HostScript>(
            window.Handle(), [&window](const std::wstring& path) { return window.Pick(path); },
            ReadScript(*options.scriptFile));
        script->Start();
    }
    if (options.quitAfterSeconds > 0)
        SetTimer(window.Handle(), kQuitTimer, options.quitAfterSeconds * 1000u, QuitTimer);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // Windows first (a plug-in's dialog is owned by ours), then the plug-ins.
    plugins.UnloadAll();
    return script && script->Failed() ? 3 : 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return Run();
    } catch (const std::exception& error) {
        const std::wstring text = FromUtf8(error.what());
        std::fwprintf(stderr, L"host: %ls\n", text.c_str());
        MessageBoxW(nullptr, text.c_str(), L"Ошибка", MB_OK | MB_ICONERROR);
        return 1;
    }
}
