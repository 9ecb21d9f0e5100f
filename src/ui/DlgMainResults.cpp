// The main dialog's recalculation, its result table and the exchange of the settings fields.
#include <windows.h>

#include <optional>

#include "calc/Limits.h"
#include "calc/Recalculation.h"
#include "calc/ResultColumns.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "platform/TextTemplate.h"
#include "records/TrackedTables.h"
#include "res/ResourceIds.h"
#include "tables/DataFilePath.h"
#include "ui/DlgMain.h"
#include "ui/Dlg_Components.h"
#include "ui/PluginMessages.h"
#include "ui/UiLanguage.h"
#include "win/DataExchange.h"
#include "win/ListView.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

namespace {

struct Column {
    UINT caption;  // string id
    int width;
};

constexpr Column kColumns[] = {{IDS_OXY_COL_NUMBER, 40},         {IDS_OXY_COL_COMPONENT, 137},
                               {IDS_OXY_COL_RESULT_MASS, 89},    {IDS_OXY_COL_MASS_PERCENT, 86},
                               {IDS_OXY_COL_DELTA, 90},          {IDS_OXY_COL_VOLUME, 80},
                               {IDS_OXY_COL_VOLUME_PERCENT, 80}, {IDS_OXY_COL_OXYGEN, 140}};

}  // namespace

void DlgMain::SetUpResultList() {
    const ListView list = resultGrid.List();
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (const Column& column : kColumns) resultGrid.AddColumn(ResourceText(column.caption), column.width);
}

// A density that is no number leaves the one before in the calculation. Outside typing the exchange stops
// at the field with its warning box; while the user types, a box would take the keys typed after the slip:
// the field is marked and the warning list says so instead.
bool DlgMain::TakeSettings(Raised raised) {
    calculation.standard = DataExchange::Text(Item(IDC_OXY_STANDARD));
    const std::wstring typed = DataExchange::Text(Item(IDC_OXY_DENSITY));
    // An empty field, or the 1 put into one, calculates with 1 and says that no density is given.
    densityGiven_ = !TrimBlanks(typed).empty() && !densityFilledIn_;
    densityUnread_.clear();
    if (TrimBlanks(typed).empty()) {
        calculation.sampleDensity = 1.0;
        return true;
    }
    if (const std::optional<double> number = ReadWholeNumber(typed)) {
        calculation.sampleDensity = *number;
        return true;
    }
    densityUnread_ = typed;
    if (raised == Raised::ByCommand) DataExchange::WarnNotANumber(Item(IDC_OXY_DENSITY));
    return false;
}

// The total as the calculation decided it: its number (0 while nothing is ticked), "не определено" while
// it is no result (the field is marked and its tip says why).
void DlgMain::ShowTotalOxygen() {
    HWND field = Item(IDC_OXY_TOTAL_OXYGEN);
    if (!AnyTicked() || calculation.TotalOxygenDetermined()) {
        DataExchange::ShowDouble(field, calculation.totalOxygen);
    } else {
        DataExchange::ShowText(field, UiText(MessageCode::TotalUndetermined));
    }
}

// An empty density field shows the 1 it is calculated with.
void DlgMain::ShowDensity(HWND field) {
    if (TrimBlanks(DataExchange::Text(field)).empty()) densityFilledIn_ = true;
    DataExchange::ShowDouble(field, calculation.sampleDensity);
}

void DlgMain::ShowSettings() {
    // The exchange's own text changes are no edits of the user's. A field being typed into keeps its
    // text as typed: rewriting it in its shortest form would move the caret and swallow a decimal
    // point ("745." is 745) or a digit ("745" typed into an emptied field that showed 1); it is shown so
    // when it loses the focus.
    showingSettings_ = true;
    const HWND focus = GetFocus();
    if (Item(IDC_OXY_STANDARD) != focus) DataExchange::ShowText(Item(IDC_OXY_STANDARD), calculation.standard);
    if (Item(IDC_OXY_DENSITY) != focus && densityUnread_.empty()) ShowDensity(Item(IDC_OXY_DENSITY));
    ShowTotalOxygen();
    showingSettings_ = false;
}

// A field the user has left is shown in its shortest form ("745." as 745, an empty density as 1).
void DlgMain::ShowTypedSetting(int id) {
    showingSettings_ = true;
    if (id == IDC_OXY_DENSITY && densityUnread_.empty()) ShowDensity(Item(id));
    if (id == IDC_OXY_STANDARD) DataExchange::ShowText(Item(id), calculation.standard);
    showingSettings_ = false;
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

// Ticks kept while their files are away are not counted: the calculation and every report of it say so.
void DlgMain::AddKeptTicksWarning() {
    if (keptTicks_.empty()) return;
    AddWarning(calculation, {CalculationWarning::Kind::TicksNotCounted, L"", KeptTickFiles()}, assays);
}

void DlgMain::Recalculate() {
    Recalculate(Raised::ByCommand);
}

// What the recalculation has to say goes into the warning list; outside typing it is also said in a box
// at once, as every command says it.
void DlgMain::Recalculate(Raised raised) {
    TakeSettings(raised);
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
    calculation = ::Recalculate({calculation.standard, calculation.sampleDensity, densityGiven_}, components,
                                assays, limits);
    AddKeptTicksWarning();
    FillResultGrid();
    ShowWarnings();
    ShowSettings();
}

void DlgMain::AppendResultRow(const std::vector<std::wstring>& cells) {
    const int item = resultGrid.AppendRow(0);
    if (item < 0) return;
    for (size_t column = 0; column < cells.size(); ++column) {
        resultGrid.List().SetItemText(item, static_cast<int>(column), cells[column]);
    }
}

void DlgMain::FillResultGrid() {
    // One repaint for the whole rebuild, not one per row.
    const RedrawSuspended quiet(resultGrid.List().Handle());
    FillResultRows();
}

// Shows the calculation's rows and sums; nothing is computed here.
void DlgMain::FillResultRows() {
    resultGrid.DeleteAllRows();
    int number = 1;
    for (const ComponentResult& r : calculation.results) {
        std::vector<std::wstring> cells{std::to_wstring(number++), r.name};
        for (const ResultColumn& column : kResultColumns)
            cells.push_back(FormatFixed(r.*column.value, column.decimals));
        AppendResultRow(cells);
    }
    AppendResultRow({});
    std::vector<std::wstring> totals{L"", ResourceText(IDS_OXY_TOTAL)};
    for (const ResultColumn& column : kResultColumns)
        totals.push_back(FormatFixed(calculation.Sums().*column.sum, column.decimals));
    AppendResultRow(totals);
}
