// The main dialog's recalculation, its result table and the exchange of the settings fields.
#include <windows.h>

#include "calc/DataFilePath.h"
#include "calc/ResultTotals.h"
#include "calc/RoundTo4.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "res/ResourceIds.h"
#include "ui/DlgMain.h"
#include "ui/Dlg_Components.h"
#include "win/DataExchange.h"
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

std::wstring Number(double value) {
    return FormatFixed(value, 4);
}

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
    return DataExchange::TakeDouble(Item(IDC_OXY_DENSITY), calculation.sampleDensity) &&
           DataExchange::TakeDouble(Item(IDC_OXY_TOTAL_OXYGEN), calculation.totalOxygen);
}

void DlgMain::ShowSettings() {
    // The exchange's own text changes are no edits of the user's.
    showingSettings_ = true;
    DataExchange::ShowText(Item(IDC_OXY_STANDARD), calculation.standard);
    DataExchange::ShowDouble(Item(IDC_OXY_DENSITY), calculation.sampleDensity);
    DataExchange::ShowDouble(Item(IDC_OXY_TOTAL_OXYGEN), calculation.totalOxygen);
    showingSettings_ = false;
}

void DlgMain::Recalculate() {
    HWND density = Item(IDC_OXY_DENSITY);
    // An emptied density means 1; setting it recalculates at once (nested), then this run goes on.
    if (DataExchange::Text(density).empty()) SetWindowTextW(density, L"1");
    TakeSettings();
    DialogMessages messages(Handle());
    ComponentsTable& table = componentsDialog->table;
    table.path = DataFilePath(L"\\CompsTableOxycalc.csv", messages);
    if (!FileExists(table.path)) messages.ShowMessage(ResourceText(IDS_OXY_NO_TABLE_FILE));
    if (!table.path.empty()) {
        table.Load();
        calculation.components = table.components;
    }
    calculator->data = &calculation;
    calculator->assays = &assays;
    calculator->Calculate();
    calculation.totalOxygen = RoundTo4(calculation.totalOxygen);
    FillResultGrid();
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
    resultGrid.DeleteAllRows();
    CalculationData& c = calculation;
    int number = 1;
    for (const ComponentResult& r : c.results) {
        AppendResultRow({std::to_wstring(number++), r.name, Number(r.mass), Number(r.massPercent),
                         Number(r.delta), Number(r.volume), Number(r.volumePercent), Number(r.oxygen)});
    }
    FillResultTotals(c);
    AppendResultRow({});
    AppendResultRow({L"", ResourceText(IDS_OXY_TOTAL), Number(c.sumMass), Number(c.sumMassPercent),
                     Number(c.sumDelta), Number(c.sumVolume), Number(c.sumVolumePercent),
                     Number(c.sumOxygen)});
}
