#include "ui/DlgMain.h"

#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <optional>
#include <string>
#include <utility>

#include "calc/Limits.h"
#include "calc/Recalculation.h"
#include "calc/WarningLines.h"
#include "data/DataBaseConnection.h"
#include "platform/FileSystemPath.h"
#include "platform/Sha256.h"
#include "platform/ShellOpen.h"
#include "records/TrackedTables.h"
#include "register/RegisterExport.h"
#include "register/ReportRegister.h"
#include "report/LimsExport.h"
#include "report/ReportJson.h"
#include "report/TemporaryReportFile.h"
#include "res/ResourceIds.h"
#include "tables/DataFilePath.h"
#include "ui/DlgAbout.h"
#include "ui/Dlg_Components.h"
#include "ui/GridNotifications.h"
#include "ui/PluginMessages.h"
#include "ui/UiLanguage.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

namespace {

constexpr UINT kListChangedMessage = WM_USER + 11;
// The window menu's command that signs an issued report (below 0xF000, its low four bits clear).
constexpr UINT kSignCommand = 0x0110;

}  // namespace

DlgMain::DlgMain(const HostLink& host, std::wstring profileRoot, std::function<void()> windowGone)
    : host_(host),
      profile_(host, std::move(profileRoot)),
      windowGone_(std::move(windowGone)),
      chromatograms_(assays, initialised, host,
                     {[this] { Recalculate(); }, [this] { NotifyHostListChanged(); },
                      [this] { TakeSettings(); }, [this] { ShowSettings(); }}) {}

DlgMain::~DlgMain() = default;

void DlgMain::Create(HWND owner) {
    hostWindow_ = owner;
    CreateModeless(ResourceModule(), IDD_OXY_MAIN, owner);
}

BOOL DlgMain::OnInitDialog() {
    chromatograms_.Attach(*this);
    results_.Attach(*this);
    componentsDialog = std::make_unique<Dlg_Components>();
    messages_ = std::make_unique<PluginMessages>(Handle());
    report = std::make_unique<ReportBuilder>(*messages_, OpenWithShell);
    report->stylesheet = StylesheetName(L"Report", UiLanguage());
    signing_ = std::make_unique<SigningStep>(*messages_);
    AddSigningToWindowMenu();
    frame_.Attach(*this);
    RestoreState();
    initialised = 1;
    Recalculate();
    return TRUE;
}

void DlgMain::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_OXY_ADD:
            chromatograms_.Add();
            return;
        case IDC_OXY_REMOVE:
        case IDC_OXY_REMOVE_ALL:
            chromatograms_.RemoveCommand(id == IDC_OXY_REMOVE_ALL);
            return;
        case IDC_OXY_OPEN:
            chromatograms_.Open();
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
            if (code == EN_CHANGE && settings_.Typed(id)) Recalculate(Raised::ByTyping);
            if (code == EN_KILLFOCUS) settings_.Left(id, calculation);
            return;
        default:
            Dialog::OnCommand(id, code, control);
    }
}

LRESULT DlgMain::OnNotify(int id, NMHDR& header) {
    if (id != IDC_OXY_CHROMATOGRAMS) return 0;
    if (header.code == GCN_DBLCLICK) {
        chromatograms_.Open();
    } else if (header.code == LVN_ITEMCHANGED) {
        chromatograms_.OnItemChanged(reinterpret_cast<NMLISTVIEW&>(header));
    }
    return 0;
}

bool DlgMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (frame_.OnMessage(message, wParam, lParam, result)) return true;
    switch (message) {
        case WM_SIZE:
            warnings_.Fit();
            return false;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != kSignCommand) return false;
            signing_->SignChosenReport(Handle(), calculation.componentsFile.path);
            result = 0;
            return true;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(lParam);
            const auto dc = reinterpret_cast<HDC>(wParam);
            return warnings_.Colour(control, dc, result) ||
                   settings_.Colour(control, dc, result, calculation, AnyTicked(assays));
        }
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

// Signing an issued report is no command of the window's own: the window menu holds it, so that the
// window stays as it is.
void DlgMain::AddSigningToWindowMenu() {
    const HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kSignCommand, UiText(MessageCode::PluginSignMenu).c_str());
}

void DlgMain::ShowAbout() {
    DlgAbout about;
    about.Run(Handle());
}

// Reports what was last calculated: no recalculation is made first. Each press makes a report; what it
// cannot vouch for it says: ticked chromatograms not counted (the calculation's warning), a file changed
// since it was loaded (marked, its verdicts and the total undetermined).
void DlgMain::ShowReport() {
    ReportContext context;
    context.createdAt = static_cast<int64_t>(std::time(nullptr));
    // The page, its JSON and the export speak the language of the windows.
    context.language = UiLanguage();
    const std::wstring* database = DataBaseConnection::Instance().ConnectionString();
    context.databasePath = database != nullptr ? AbsolutePath(*database) : std::wstring();
    context.origin.maker = ReportOrigin::Maker::Plugin;
    context.staleFiles = ReportContext::StaleFiles::Mark;
    // While the lab keeps a register of issued reports, the report is a draft until it is issued.
    const std::optional<RegisterPlace> kept = RegisterOf(calculation.componentsFile.path);
    if (kept) context.registration.status = ReportRegistration::Status::Draft;
    report->model = *FinishReportModel(assays, calculation, context, *messages_);
    report->Show();
    if (kept) {
        OfferIssue(*kept);
        return;
    }
    // A LIMS gets every report when the lab has made the export folder beside the components file; a
    // failure is told and the report stands.
    const std::wstring lims = DataFileBeside(calculation.componentsFile.path, kLimsFolderName);
    if (FolderExists(lims)) ExportForLims(report->model, lims, *messages_);
}

// The draft just shown may be issued at once: asked in a box, so that the window stays as it is whether or
// not a register is kept. An issued report opens in the viewer with its number, and a LIMS gets it (a draft
// it never gets).
void DlgMain::OfferIssue(const RegisterPlace& place) {
    // Without its stylesheet no page was shown (as ever, silently): there is nothing to issue either.
    const std::optional<ReportInput>& page = report->model.stylesheet;
    if (!page || !FileExists(page->path)) return;
    const UINT question = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
    if (ShowMessageBox(Handle(), UiText(MessageCode::PluginIssueQuestion), MessageCaption(), question) !=
        IDYES)
        return;
    IssueRequest request;
    request.model = report->model;
    request.draftSha256 = Sha256Hex(ReportJson(report->model));
    request.stylesheet = page->path;
    request.program = L"модуль";
    const std::optional<IssuedReport> issued = ReportRegister(place).Issue(std::move(request), *messages_);
    if (!issued) return;
    OpenWithShell(issued->html);
    messages_->ShowMessage(Message(MessageCode::PluginIssued, {issued->entry.number, place.Reports()}));
    const std::wstring lims = DataFileBeside(calculation.componentsFile.path, kLimsFolderName);
    if (FolderExists(lims)) ExportIssueForLims(*issued, place, lims, *messages_);
    signing_->OfferAfterIssue(Handle(), place, issued->entry.number, calculation.componentsFile.path);
}

void DlgMain::StoreState() {
    TakeSettings();
    chromatograms_.CopyChecks();
    if (chromatograms_.StoresList()) chromatograms_.Store(profile_);
    frame_.StorePlace(Handle(), profile_);
    ShowSettings();
}

void DlgMain::RestoreState() {
    chromatograms_.Restore(profile_);
    frame_.RestorePlace(Handle(), profile_);
    ShowSettings();
}

// The components file is read for every calculation; while it cannot be read, the table as last read
// serves and the calculation's warnings say so. A missing file or public documents folder is told to
// `notices`.
ComponentsSnapshot DlgMain::ReloadComponents(UserMessages& notices) {
    ComponentsTable& table = componentsDialog->table;
    table.path = DataFilePath(L"\\CompsTableOxycalc.csv", notices);
    if (!FileExists(table.path)) notices.ShowMessage(ResourceText(IDS_OXY_NO_TABLE_FILE));
    const ComponentsSnapshot snapshot = components_.Reload(table);
    // A change made outside is found by one read only: it stays in the list until the window closes.
    if (snapshot.tracking.changedOutside)
        notices_.ShowMessage(
            CalculationWarning{CalculationWarning::Kind::TableChangedOutside, table.path}.ToMessage());
    return snapshot;
}

// What the recalculation has to say goes into the warning list; outside typing it is also said in a box
// at once, as every command says it. Ticks kept while their files are away are not counted: the
// calculation and every report of it say so.
void DlgMain::Recalculate(Raised raised) {
    settings_.Take(calculation, raised);
    NoticeList now;
    ListedMessages boxes(Handle(), now);
    UserMessages& notices = raised == Raised::ByTyping ? static_cast<UserMessages&>(now) : boxes;
    const ComponentsSnapshot components = ReloadComponents(notices);
    // The limits file lies beside the components file; without one no limit is held against the results.
    const std::optional<LimitsFile> limits =
        ReadLimitsFile(DataFileBeside(components.path, L"LimitsOxycalc.csv"));
    if (limits && limits->tracking.changedOutside)
        notices_.ShowMessage(
            CalculationWarning{CalculationWarning::Kind::TableChangedOutside, limits->path}.ToMessage());
    lastNotices_ = now.Texts();
    calculation = ::Recalculate({calculation.standard, calculation.sampleDensity, settings_.DensityGiven()},
                                components, assays, limits);
    if (const std::wstring kept = chromatograms_.KeptTickFiles(); !kept.empty())
        AddWarning(calculation, {CalculationWarning::Kind::TicksNotCounted, L"", kept}, assays);
    FillResultGrid();
    ShowWarnings();
    ShowSettings();
}

// Everything the analyst must know besides the numbers, each once, and the settings fields marked with
// their warnings.
void DlgMain::ShowWarnings() {
    std::vector<std::wstring> lines;
    const auto add = [&lines](const std::wstring& text) {
        if (!text.empty() && std::find(lines.begin(), lines.end(), text) == lines.end())
            lines.push_back(text);
    };
    const bool ticked = AnyTicked(assays);
    for (const Message& line : WarningLines(calculation, ticked, settings_.DensityNotANumber(calculation)))
        add(UiText(line));
    for (const std::wstring& notice : lastNotices_) add(notice);
    for (const std::wstring& notice : notices_.Texts()) add(notice);
    warnings_.Show(lines, frame_.Tips());
    settings_.ShowMarks(frame_.Tips(), calculation, ticked);
}

void DlgMain::FillResultGrid() {
    results_.Fill(calculation);
}
