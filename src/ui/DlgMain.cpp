#include "ui/DlgMain.h"

#include <commctrl.h>

#include <ctime>
#include <string>
#include <utility>

#include "data/DataBaseConnection.h"
#include "platform/FileSystemPath.h"
#include "platform/ShellOpen.h"
#include "platform/TextTemplate.h"
#include "platform/WideText.h"
#include "report/LimsExport.h"
#include "res/ProductVersion.h"
#include "res/ResourceIds.h"
#include "tables/DataFilePath.h"
#include "ui/DlgAbout.h"
#include "ui/Dlg_Components.h"
#include "ui/GridNotifications.h"
#include "ui/PluginMessages.h"
#include "ui/UiLanguage.h"
#include "win/DataExchange.h"
#include "win/IconHandle.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

namespace {

constexpr UINT kListChangedMessage = WM_USER + 11;
constexpr LONG kMinimumWidth = 975;
constexpr LONG kMinimumHeight = 570;

struct IconButton {
    int control;
    int icon;
    UINT tip;
};

constexpr IconButton kIconButtons[] = {
    {IDC_OXY_ADD, IDI_OXY_ADD, IDS_OXY_TIP_ADD},
    {IDC_OXY_REMOVE, IDI_OXY_REMOVE, IDS_OXY_TIP_REMOVE},
    {IDC_OXY_REMOVE_ALL, IDI_OXY_REMOVE_ALL, IDS_OXY_TIP_REMOVE_ALL},
    {IDC_OXY_OPEN, IDI_OXY_OPEN, IDS_OXY_TIP_OPEN},
    {IDC_OXY_REPORT, IDI_OXY_REPORT, IDS_OXY_TIP_REPORT},
    {IDC_OXY_UPDATE, IDI_OXY_UPDATE, IDS_OXY_TIP_UPDATE},
    {IDC_OXY_ABOUT, IDI_OXY_ABOUT, IDS_OXY_TIP_ABOUT},
};

}  // namespace

DlgMain::DlgMain(const HostLink& host, std::wstring profileRoot, std::function<void()> windowGone)
    : host_(host), profile_(host, std::move(profileRoot)), windowGone_(std::move(windowGone)) {}

DlgMain::~DlgMain() = default;

void DlgMain::Create(HWND owner) {
    hostWindow_ = owner;
    CreateModeless(ResourceModule(), IDD_OXY_MAIN, owner);
}

BOOL DlgMain::OnInitDialog() {
    chromatogramGrid.Attach(*this, IDC_OXY_CHROMATOGRAMS);
    resultGrid.Attach(*this, IDC_OXY_RESULTS);
    AppendVersionToCaption();
    componentsDialog = std::make_unique<Dlg_Components>();
    messages_ = std::make_unique<PluginMessages>(Handle());
    report = std::make_unique<ReportBuilder>(*messages_, OpenWithShell);
    report->stylesheet = ResourceText(IDS_OXY_REPORT_STYLESHEET);
    SetIcons();
    CreateTooltips();
    SetUpChromatogramList();
    SetUpResultList();
    SetUpLayout();
    RestoreState();
    initialised = 1;
    Recalculate();
    return TRUE;
}

void DlgMain::AppendVersionToCaption() {
    std::wstring caption = DataExchange::Text(Handle());
    caption += L" ";
    caption += kPluginVersionText;
    SetWindowTextW(Handle(), caption.c_str());
}

void DlgMain::SetIcons() {
    // Shared icons: loaded once per process and freed by the system.
    const HICON big = LoadSharedIcon(ResourceModule(), IDI_OXY_APP, GetSystemMetrics(SM_CXICON));
    const HICON small = LoadSharedIcon(ResourceModule(), IDI_OXY_APP, GetSystemMetrics(SM_CXSMICON));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    for (const IconButton& button : kIconButtons) {
        HWND control = Item(button.control);
        if (control == nullptr) continue;
        const HICON icon = LoadSharedIcon(OwnModule(), button.icon, 16);
        SendMessageW(control, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    }
}

void DlgMain::CreateTooltips() {
    if (!tooltips.Create(Handle())) return;
    for (const IconButton& button : kIconButtons) {
        HWND control = Item(button.control);
        tooltips.AddTool(control, ResourceText(button.tip));
    }
    // Say why the field is marked when the standard names no component or the density is not given;
    // empty otherwise.
    tooltips.AddTool(Item(IDC_OXY_STANDARD), L"");
    tooltips.AddTool(Item(IDC_OXY_DENSITY), L"");
    // Why the total is no result while it is none.
    tooltips.AddTool(Item(IDC_OXY_TOTAL_OXYGEN), L"");
    // The warnings whole, one a line, where the line under the results has no room for them all.
    tooltips.AddTool(Item(IDC_OXY_WARNINGS), L"");
    tooltips.Activate(true);
}

void DlgMain::SetUpLayout() {
    layout_.Start(Handle());
    for (HWND child = GetWindow(Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        switch (GetDlgCtrlID(child)) {
            case IDCANCEL:
                layout_.Add(child, {100, 100, 0, 0});
                break;
            case IDC_OXY_CHROMATOGRAMS:
                layout_.Add(child, {0, 0, 100, 50});
                break;
            case IDC_OXY_RESULTS:
                layout_.Add(child, {0, 50, 100, 50});
                break;
            case IDC_OXY_WARNINGS:
                layout_.Add(child, {0, 100, 100, 0});
                break;
            case IDC_OXY_ADD:
            case IDC_OXY_REMOVE:
            case IDC_OXY_REMOVE_ALL:
            case IDC_OXY_OPEN:
            case IDC_OXY_REPORT:
            case IDC_OXY_UPDATE:
            case IDC_OXY_ABOUT:
                break;
            default:  // the settings group and everything inside it
                layout_.Add(child, {0, 50, 0, 0});
                break;
        }
    }
}

void DlgMain::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_OXY_ADD:
            AddChromatograms();
            return;
        case IDC_OXY_REMOVE:
        case IDC_OXY_REMOVE_ALL:
            RemoveChromatogramsCommand(id == IDC_OXY_REMOVE_ALL);
            return;
        case IDC_OXY_OPEN:
            OpenChromatograms();
            return;
        case IDC_OXY_UPDATE:
            UpdateChromatograms();
            return;
        case IDC_OXY_REPORT:
            ShowReport();
            return;
        case IDC_OXY_COMPONENTS:
            ShowComponents();
            return;
        case IDC_OXY_ABOUT:
            ShowAbout();
            return;
        case IDC_OXY_DENSITY:
        case IDC_OXY_STANDARD:
            if (code == EN_CHANGE && !showingSettings_) {
                if (id == IDC_OXY_DENSITY) densityFilledIn_ = false;
                Recalculate(Raised::ByTyping);
            }
            if (code == EN_KILLFOCUS) ShowTypedSetting(id);
            return;
        default:
            Dialog::OnCommand(id, code, control);
    }
}

LRESULT DlgMain::OnNotify(int id, NMHDR& header) {
    if (id != IDC_OXY_CHROMATOGRAMS) return 0;
    if (header.code == GCN_DBLCLICK) {
        OpenChromatograms();
    } else if (header.code == LVN_ITEMCHANGED) {
        OnCheckBoxChanged(reinterpret_cast<NMLISTVIEW&>(header));
    }
    return 0;
}

bool DlgMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SETCURSOR:
            tooltips.Relay(reinterpret_cast<HWND>(wParam), HIWORD(lParam));
            return false;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {kMinimumWidth, kMinimumHeight};
            result = 0;
            return true;
        }
        case WM_SIZE:
            layout_.Apply();
            FitWarningLines();
            return false;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return ColourControl(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), result);
        default:
            return false;
    }
}

void DlgMain::OnCancel() {
    StoreState();
    notices_.Clear();
    ShowWarnings();
    End(IDCANCEL);
}

void DlgMain::OnFinalMessage() {
    if (windowGone_) windowGone_();
}

void DlgMain::NotifyHostListChanged() const {
    PostMessageW(GetParent(hostWindow_), kListChangedMessage, 0, 0);
}

void DlgMain::ShowComponents() {
    if (componentsDialog->Run(Handle()) == IDOK) Recalculate();
}

void DlgMain::ShowAbout() {
    DlgAbout about;
    about.Run(Handle());
}

// Reports what was last calculated: no recalculation is made first. Each press makes a report; what it
// cannot vouch for it says: ticked chromatograms not counted (the calculation's warning), a file changed
// since it was loaded (marked, its verdicts and the total undetermined).
void DlgMain::ShowReport() {
    report->model = MakeReportModel(assays, calculation, static_cast<int64_t>(std::time(nullptr)));
    TakeChecksumsMarkingStale(report->model, assays);
    const std::wstring* database = DataBaseConnection::Instance().ConnectionString();
    report->model.databasePath = database != nullptr ? AbsolutePath(*database) : std::wstring();
    report->model.origin.maker = ReportOrigin::Maker::Plugin;
    // The page, its JSON and the export speak the language of the windows.
    report->model.language = UiLanguage();
    report->Show();
    // A LIMS gets every report when the lab has made the export folder beside the components file; a
    // failure is told and the report stands.
    const std::wstring lims = DataFileBeside(calculation.componentsFile.path, kLimsFolderName);
    if (FolderExists(lims)) ExportForLims(report->model, lims, *messages_);
}

void DlgMain::ReportDatabaseFailure(const std::exception& error) const {
    ReportDatabaseFailure(error.what());
}

void DlgMain::ReportDatabaseFailure(const std::string& reason) const {
    ShowErrorBox(Handle(), FromUtf8(reason));
}

// Kept ticks stay: they are shown in the list, and the user unticks or removes them there.
void DlgMain::ListChangedByUser() {
    storeList_ = true;
}
