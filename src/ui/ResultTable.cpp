#include "ui/ResultTable.h"

#include <commctrl.h>

#include "calc/ResultColumns.h"
#include "platform/NumberText.h"
#include "res/ResourceIds.h"
#include "win/Dialog.h"
#include "win/ListView.h"
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

void ResultTable::Attach(Dialog& dialog) {
    grid_.Attach(dialog, IDC_OXY_RESULTS);
    const ListView list = grid_.List();
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (const Column& column : kColumns) grid_.AddColumn(ResourceText(column.caption), column.width);
}

void ResultTable::AppendRow(const std::vector<std::wstring>& cells) {
    const int item = grid_.AppendRow(0);
    if (item < 0) return;
    for (size_t column = 0; column < cells.size(); ++column) {
        grid_.List().SetItemText(item, static_cast<int>(column), cells[column]);
    }
}

void ResultTable::Fill(const CalculationData& calculation) {
    // One repaint for the whole rebuild, not one per row.
    const RedrawSuspended quiet(grid_.List().Handle());
    FillRows(calculation);
}

// Shows the calculation's rows and sums; nothing is computed here.
void ResultTable::FillRows(const CalculationData& calculation) {
    grid_.DeleteAllRows();
    int number = 1;
    for (const ComponentResult& r : calculation.results) {
        std::vector<std::wstring> cells{std::to_wstring(number++), r.name};
        for (const ResultColumn& column : kResultColumns)
            cells.push_back(FormatFixed(r.*column.value, column.decimals));
        AppendRow(cells);
    }
    AppendRow({});
    std::vector<std::wstring> totals{L"", ResourceText(IDS_OXY_TOTAL)};
    for (const ResultColumn& column : kResultColumns)
        totals.push_back(FormatFixed(calculation.Sums().*column.sum, column.decimals));
    AppendRow(totals);
}
