// Opens one of the plug-in's dialogs on demo data and keeps it on screen for a while, for looking at
// it and taking screenshots: ui_showcase.exe WHAT [1049|1033] [seconds], where WHAT is
//   main       the main window with three parallel determinations ticked
//   warnings   the same with the standard mistyped, the density emptied and two samples ticked
//   smallest   the warnings at the window's least size
//   failures   two chromatogram files gone at the start: the first of their boxes
//   unprocessed a ticked chromatogram the host has not processed yet and one without the standard
//   decision   the main window with a limits file under ILAC G8: the rule named among the warnings
//   unavailable a ticked chromatogram whose file is away: its tick kept, not counted
//   focus      the main window with the keyboard in the chromatogram list, on its second row
//   five       five warnings at the size the window first opens with: an unprocessed and an
//              unavailable chromatogram, a mistyped standard, no density, a table changed outside
//   components the components dialog
//   refused    the components dialog refusing a save with typos in it
//   about      the about box
//   issue      "->" while the lab keeps a register of issued reports: the draft, and the box asking whether
//              to issue it (answered "Нет" at the end: nothing is issued)
//   sign       "->" issuing the draft and signing it as составил: the Windows certificate chooser with the
//              user's certificates (Иванова's imported from OXY_TEST_CERTIFICATES), cancelled at the end
// A box stays on screen until two seconds before the end.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "DemoData.h"
#include "HostDatabase.h"
#include "WindowDriver.h"
#include "data/DataBaseConnection.h"
#include "res/ResourceIds.h"
#include "support/ComponentsFileInPlace.h"
#include "support/DataFileInPlace.h"
#include "support/RegisterInDataFolder.h"
#include "support/TempFolder.h"
#include "support/TestCertificates.h"
#include "support/TestHost.h"
#include "ui/CGridCtrlEditCell.h"
#include "ui/DlgAbout.h"
#include "ui/DlgMain.h"
#include "ui/Dlg_Components.h"
#include "win/LibraryModule.h"
#include "win/Resources.h"

namespace {

DWORD gShownFor = 15000;
// Boxes are answered at the end with Cancel (the certificate chooser) rather than their first button.
bool gCancelBoxes = false;

void PumpFor(DWORD milliseconds, HWND dialog) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        PumpDialogMessages(dialog);
        Sleep(20);
    }
}

// Answers the message boxes on screen with their first button, once the screenshot has been taken.
BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770" && GetDlgItem(window, IDC_OXY_CHROMATOGRAMS) == nullptr &&
        GetDlgItem(window, IDC_OXY_COMPONENT_GRID) == nullptr) {
        const int answer = gCancelBoxes ? IDCANCEL : GetDlgItem(window, IDOK) != nullptr ? IDOK : IDNO;
        PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    }
    return TRUE;
}

void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0);
}

void AnswerBoxesLater() {
    SetTimer(nullptr, 0, gShownFor > 2000 ? gShownFor - 2000 : 0, AnswerBoxes);
}

void TypeIntoCell(HWND dialog, const ListView& list, int item, int column, const std::wstring& text) {
    for (int click = 0; click < 2; ++click) {
        const RECT cell = list.SubItemLabelRect(item, column);
        SendMessageW(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cell.left + 4, cell.top + 3));
    }
    HWND editor = GetDlgItem(list.Handle(), CGridCtrlEditCell::kControlId);
    if (editor == nullptr) return;
    SetWindowTextW(editor, text.c_str());
    PressKey(dialog, editor, VK_RETURN);
}

void ShowComponents(const std::wstring& what) {
    const bool refused = what == L"refused";
    Dlg_Components table;
    WithModalDialog(
        IDC_OXY_COMPONENT_GRID,
        [&](HWND dialog) {
            const ListView list(GetDlgItem(dialog, IDC_OXY_COMPONENT_GRID));
            SetFocus(list.Handle());
            list.SetItemState(1, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
            if (refused) {
                TypeIntoCell(dialog, list, 0, 3, L"7,2.1x");
                TypeIntoCell(dialog, list, 2, 4, L"abc");
                Click(dialog, IDC_OXY_ADD_COMPONENT);
                AnswerBoxesLater();
                Click(dialog, IDOK);
            }
            PumpFor(refused ? 2000 : gShownFor, dialog);
            EndDialog(dialog, IDCANCEL);
        },
        [&] { table.Run(nullptr); });
}

void ShowMain(const std::wstring& what, const std::wstring& folder, const std::wstring& components,
              std::optional<MessageBoxAnswerer>& boxes) {
    TestHost& host = TestHost::Instance();
    const std::wstring root = L"plugins\\oxycalc\\/";
    const wchar_t* entries[] = {L"101/1", L"102/1", L"103/1", L"104/0", L"105/0"};
    for (int index = 0; index < 5; ++index)
        host.profile[root + L"Assay " + std::to_wstring(index + 1)] = entries[index];
    const bool smallest = what == L"smallest";
    const bool five = what == L"five";
    if (!five) {
        host.profile[root + L"WindowRect_tlx"] = L"20";
        host.profile[root + L"WindowRect_tly"] = L"20";
        host.profile[root + L"WindowRect_btx"] = smallest ? L"995" : L"1100";
        host.profile[root + L"WindowRect_bty"] = smallest ? L"590" : L"680";
    }
    if (what == L"unavailable" || five) DeleteFileW(DemoData::InFolder(folder, L"Проба 2417-2.stg").c_str());
    if (five)
        HostDatabase(DemoData::HostDatabasePath(folder)).Execute("DELETE FROM peak WHERE assayid = 103;");
    if (what == L"unprocessed") {
        HostDatabase(DemoData::HostDatabasePath(folder))
            .Execute(
                "DELETE FROM peak WHERE assayid = 102;"
                "DELETE FROM peak WHERE assayid = 103 AND name = '1,2-Диметоксиэтан';");
    }
    if (what == L"failures") {
        for (const wchar_t* name : {L"Проба 2417-1.stg", L"Проба 2417-2.stg"})
            DeleteFileW(DemoData::InFolder(folder, name).c_str());
        AnswerBoxesLater();
    }
    DlgMain dialog(HostLink(host.Table()), L"plugins\\oxycalc", [] {});
    dialog.Create(nullptr);
    const bool warnings = what == L"warnings" || smallest || five;
    if (five) {
        std::string table = ReadBytes(components);
        table.insert(table.find("\r\n") + 2, "99;X;X;1.00;1.00\r\n");
        WriteBytes(components, table);  // by hand, as an editor saves it
    }
    SetDlgItemTextW(dialog.Handle(), IDC_OXY_STANDARD, warnings ? L"1,2-Диметоксиэтн" : DemoData::kStandard);
    SetDlgItemTextW(dialog.Handle(), IDC_OXY_DENSITY, warnings ? L"" : L"745.3");
    if (warnings && !five)
        ListView_SetCheckState(GetDlgItem(dialog.Handle(), IDC_OXY_CHROMATOGRAMS), 3, TRUE);
    ShowWindow(dialog.Handle(), SW_SHOW);
    if (what == L"focus") {
        HWND list = GetDlgItem(dialog.Handle(), IDC_OXY_CHROMATOGRAMS);
        SetFocus(list);
        ListView_SetItemState(list, 1, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    }
    if (what == L"issue") {
        // The question stays on screen: only the boxes of the start were answered at once.
        boxes.reset();
        AnswerBoxesLater();
        PostMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_OXY_REPORT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog.Handle(), IDC_OXY_REPORT)));
    }
    if (what == L"sign") {
        // Issued and signed at once; the chooser stays on screen until it is cancelled.
        boxes->answers = {IDYES, IDOK, IDYES};
        gCancelBoxes = true;
        AnswerBoxesLater();
        PostMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_OXY_REPORT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog.Handle(), IDC_OXY_REPORT)));
    }
    PumpFor(gShownFor, dialog.Handle());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring what = argc > 1 ? argv[1] : L"main";
    const bool english = argc > 2 && std::wstring(argv[2]) == L"1033";
    gShownFor = (argc > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 15) * 1000;
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SetOwnModule(GetModuleHandleW(nullptr));
    SetResourceModule(GetModuleHandleW(nullptr));
    LibraryModule language(english ? L"oxycalcENU.dll" : L"");
    if (english && language) SetResourceModule(language.Get());

    // The demo's chromatogram without sample mass says so once, unless its box is what is shown.
    std::optional<MessageBoxAnswerer> boxes;
    if (what != L"failures") boxes.emplace();
    TempFolder folder;
    DemoData::WriteDemo(folder.Path(), 2000);
    DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
    const ComponentsFileInPlace components(
        ReadBytes(DemoData::InFolder(folder.Path(), L"CompsTableOxycalc.csv")));
    if (what == L"refused") boxes.reset();
    std::optional<DataFileInPlace> limits;
    // The register and the stylesheets its draft and issue need, in the data folder while shown.
    std::optional<DataFileInPlace> russianPage;
    std::optional<DataFileInPlace> englishPage;
    std::optional<RegisterInDataFolder> lab;
    if (what == L"issue" || what == L"sign") {
        const std::string shipped = std::string("Z:") + OXY_STYLESHEET_DIR + "/";
        const std::wstring stylesheets(shipped.begin(), shipped.end());
        russianPage.emplace(L"\\Report.xsl", ReadBytes(stylesheets + L"Report.xsl"));
        englishPage.emplace(L"\\Report.ENU.xsl", ReadBytes(stylesheets + L"Report.ENU.xsl"));
        lab.emplace(components.Path());
    }
    if (what == L"sign" && !TestCertificates().empty()) ImportIntoUserStore(L"ivanova.p12");
    if (what == L"decision")
        limits.emplace(L"\\LimitsOxycalc.csv",
                       "Норма;Компоненты;Величина;Не более;r;R\nПравило принятия решения;ILAC G8\n"
                       "Кислород;;% масс.;3,45;;0,2\nЭтанол;Этанол;% об.;10;;\n");

    if (what == L"about") {
        WithModalDialog(
            IDC_OXY_ABOUT_TITLE,
            [&](HWND dialog) {
                PumpFor(gShownFor, dialog);
                EndDialog(dialog, IDOK);
            },
            [] { DlgAbout().Run(nullptr); });
    } else if (what == L"components" || what == L"refused") {
        ShowComponents(what);
    } else {
        ShowMain(what, folder.Path(), components.Path(), boxes);
    }
    return 0;
}
