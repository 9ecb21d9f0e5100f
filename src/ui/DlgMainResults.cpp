// The main dialog's recalculation, its result table and the exchange of the settings fields.
#include <windows.h>

#include "calc/DataFilePath.h"
#include "calc/Limits.h"
#include "calc/Recalculation.h"
#include "calc/ResultColumns.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "res/ResourceIds.h"
#include "ui/DlgMain.h"
#include "ui/Dlg_Components.h"
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
    int index = 0;
    for (const Column& column : kColumns)
        list.InsertColumn(index++, ResourceText(column.caption), column.width);
}

bool DlgMain::TakeSettings() {
    calculation.standard = DataExchange::Text(Item(IDC_OXY_STANDARD));
    HWND density = Item(IDC_OXY_DENSITY);
    // An emptied density means 1 (the field says so once the user leaves it).
    if (DataExchange::Text(density).empty()) {
        calculation.sampleDensity = 1.0;
    } else if (!DataExchange::TakeDouble(density, calculation.sampleDensity)) {
        return false;
    }
    return DataExchange::TakeDouble(Item(IDC_OXY_TOTAL_OXYGEN), calculation.totalOxygen);
}

void DlgMain::ShowSettings() {
    // The exchange's own text changes are no edits of the user's. A field being typed into keeps its
    // text as typed: rewriting it in its shortest form would move the caret and swallow a decimal
    // point ("745." is 745); it is shown so when it loses the focus.
    showingSettings_ = true;
    const HWND focus = GetFocus();
    const auto show = [focus](HWND field, auto showValue) {
        if (field != focus) showValue(field);
    };
    show(Item(IDC_OXY_STANDARD), [this](HWND field) { DataExchange::ShowText(field, calculation.standard); });
    show(Item(IDC_OXY_DENSITY),
         [this](HWND field) { DataExchange::ShowDouble(field, calculation.sampleDensity); });
    show(Item(IDC_OXY_TOTAL_OXYGEN),
         [this](HWND field) { DataExchange::ShowDouble(field, calculation.totalOxygen); });
    showingSettings_ = false;
}

// A field the user has left is shown in its shortest form ("745." as 745, empty as 1).
void DlgMain::ShowTypedSetting(int id) {
    showingSettings_ = true;
    if (id == IDC_OXY_DENSITY) DataExchange::ShowDouble(Item(id), calculation.sampleDensity);
    if (id == IDC_OXY_STANDARD) DataExchange::ShowText(Item(id), calculation.standard);
    showingSettings_ = false;
}

// The components file is read for every calculation; while it cannot be read, the table as last read
// serves and the user hears of it once.
ComponentsSnapshot DlgMain::ReloadComponents() {
    DialogMessages messages(Handle());
    ComponentsTable& table = componentsDialog->table;
    table.path = DataFilePath(L"\\CompsTableOxycalc.csv", messages);
    const bool missing = !FileExists(table.path);
    if (missing) messages.ShowMessage(ResourceText(IDS_OXY_NO_TABLE_FILE));
    const ComponentsSnapshot snapshot = components_.Reload(table);
    if (components_.FailureBegan() && !missing) {
        const bool lastRead = snapshot.source == ComponentsSource::LastRead;
        using Kind = CalculationWarning::Kind;
        messages.ShowMessage(
            CalculationWarning{lastRead ? Kind::ComponentsLastRead : Kind::ComponentsNotRead, table.path}
                .Text());
    }
    return snapshot;
}

void DlgMain::Recalculate() {
    HWND density = Item(IDC_OXY_DENSITY);
    // An emptied density means 1; setting it recalculates at once (nested), then this run goes on.
    if (DataExchange::Text(density).empty() && GetFocus() != density) SetWindowTextW(density, L"1");
    TakeSettings();
    const ComponentsSnapshot components = ReloadComponents();
    // The limits file lies beside the components file; without one no limit is held against the results.
    const std::optional<LimitsFile> limits =
        ReadLimitsFile(DataFileBeside(components.path, L"LimitsOxycalc.csv"));
    calculation =
        ::Recalculate({calculation.standard, calculation.sampleDensity}, components, assays, limits);
    FillResultGrid();
    ShowWarnings();
    ShowSettings();
}

bool DlgMain::StandardNotFound() const {
    for (const CalculationWarning& warning : calculation.warnings) {
        if (warning.kind == CalculationWarning::Kind::StandardNotFound) return true;
    }
    return false;
}

// Every warning in the line under the results; the standard's own also at its field, in a warning
// colour and as the field's tip.
void DlgMain::ShowWarnings() {
    std::wstring text;
    std::wstring tip;
    std::wstring standardTip;
    for (const CalculationWarning& warning : calculation.warnings) {
        text += (text.empty() ? L"" : L" ") + warning.Text();
        tip += (tip.empty() ? L"" : L"\n") + warning.Text();
        if (warning.kind == CalculationWarning::Kind::StandardNotFound) standardTip = warning.Text();
    }
    DataExchange::ShowText(Item(IDC_OXY_WARNINGS), text);
    tooltips.SetToolText(Item(IDC_OXY_WARNINGS), tip);
    tooltips.SetToolText(Item(IDC_OXY_STANDARD), standardTip);
    InvalidateRect(Item(IDC_OXY_STANDARD), nullptr, TRUE);
}

bool DlgMain::ColourControl(HWND control, HDC dc, LRESULT& brush) const {
    if (control == Item(IDC_OXY_WARNINGS)) {
        SetTextColor(dc, RGB(176, 0, 32));
        SetBkMode(dc, TRANSPARENT);
        brush = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    if (control == Item(IDC_OXY_STANDARD) && StandardNotFound()) {
        SetBkColor(dc, RGB(255, 214, 214));
        brush = reinterpret_cast<LRESULT>(warningBrush_.Get());
        return true;
    }
    return false;
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
        totals.push_back(FormatFixed(calculation.sums.*column.sum, column.decimals));
    AppendResultRow(totals);
}
