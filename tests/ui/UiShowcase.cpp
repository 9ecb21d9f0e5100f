// Opens one of the plug-in's dialogs on demo data and keeps it on screen for a while, for looking at
// it and taking screenshots: ui_showcase.exe main|warnings|unprocessed|components|about [1049|1033] [seconds]
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "DemoData.h"
#include "FakeHost.h"
#include "HostDatabase.h"
#include "WindowDriver.h"
#include "data/DataBaseConnection.h"
#include "res/ResourceIds.h"
#include "support/TempFolder.h"
#include "ui/DlgAbout.h"
#include "ui/DlgMain.h"
#include "ui/Dlg_Components.h"
#include "win/LibraryModule.h"
#include "win/Resources.h"

namespace {

void PumpFor(DWORD milliseconds, HWND dialog) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        PumpDialogMessages(dialog);
        Sleep(20);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring what = argc > 1 ? argv[1] : L"main";
    const bool english = argc > 2 && std::wstring(argv[2]) == L"1033";
    const DWORD seconds = argc > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 15;
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SetOwnModule(GetModuleHandleW(nullptr));
    SetResourceModule(GetModuleHandleW(nullptr));
    LibraryModule language(english ? L"oxycalcENU.dll" : L"");
    if (english && language) SetResourceModule(language.Get());

    MessageBoxAnswerer boxes;  // the demo's chromatogram without sample mass says so once
    TempFolder folder;
    DemoData::WriteDemo(folder.Path(), 2000);
    DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
    // "unprocessed": a ticked chromatogram the host has not integrated yet, and one without the standard.
    if (what == L"unprocessed") {
        HostDatabase(DemoData::HostDatabasePath(folder.Path()))
            .Execute(
                "DELETE FROM peak WHERE assayid = 102;"
                "DELETE FROM peak WHERE assayid = 103 AND name = '1,2-Диметоксиэтан';");
    }
    FakeHost& host = FakeHost::Instance();
    const std::wstring root = L"plugins\\oxycalc\\/";
    const wchar_t* entries[] = {L"101/1", L"102/1", L"103/1", L"104/0", L"105/0"};
    for (int index = 0; index < 5; ++index)
        host.profile[root + L"Assay " + std::to_wstring(index + 1)] = entries[index];
    host.profile[root + L"WindowRect_tlx"] = L"20";
    host.profile[root + L"WindowRect_tly"] = L"20";
    host.profile[root + L"WindowRect_btx"] = L"1100";
    host.profile[root + L"WindowRect_bty"] = L"680";

    if (what == L"about") {
        WithModalDialog(
            IDC_OXY_ABOUT_TITLE,
            [&](HWND dialog) {
                PumpFor(seconds * 1000, dialog);
                EndDialog(dialog, IDOK);
            },
            [] { DlgAbout().Run(nullptr); });
        return 0;
    }
    if (what == L"components") {
        Dlg_Components components;
        WithModalDialog(
            IDC_OXY_COMPONENT_GRID,
            [&](HWND dialog) {
                PumpFor(seconds * 1000, dialog);
                EndDialog(dialog, IDOK);
            },
            [&] { components.Run(nullptr); });
        return 0;
    }
    DlgMain dialog(HostLink(host.Table()), L"plugins\\oxycalc", [] {});
    dialog.Create(nullptr);
    // "warnings": the standard mistyped, as it shows at its field and under the results.
    SetDlgItemTextW(dialog.Handle(), IDC_OXY_STANDARD,
                    what == L"warnings" ? L"1,2-Диметоксиэтн" : DemoData::kStandard);
    SetDlgItemTextW(dialog.Handle(), IDC_OXY_DENSITY, L"745.3");
    ShowWindow(dialog.Handle(), SW_SHOW);
    PumpFor(seconds * 1000, dialog.Handle());
    return 0;
}
