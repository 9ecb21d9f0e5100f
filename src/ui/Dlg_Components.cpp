#include "ui/Dlg_Components.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/DataFilePath.h"
#include "calc/NotSet.h"
#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "res/ResourceIds.h"
#include "ui/GridNotifications.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

namespace {

struct Column {
    UINT caption;  // string id
    int width;
};

constexpr Column kColumns[] = {{IDS_OXY_COL_NUMBER, 50},
                               {IDS_OXY_COL_COMPONENT, 145},
                               {IDS_OXY_COL_COMPONENT_NAME, 145},
                               {IDS_OXY_COL_MOLAR_MASS, 115},
                               {IDS_OXY_COL_DENSITY, 125}};

std::wstring NumberCell(double value) {
    return IsNotSet(value) ? L"---" : FormatFixed(value, ComponentsTable::precision);
}

// A number typed into a cell: "---" or nothing means not set; a comma counts as the decimal point.
double ReadNumberCell(std::wstring text) {
    if (text.empty() || text == L"---") return NotSet;
    std::replace(text.begin(), text.end(), L',', L'.');
    return ParseDouble(text);
}

}  // namespace

INT_PTR Dlg_Components::Run(HWND parent) {
    return RunModal(ResourceModule(), IDD_OXY_COMPONENTS, parent);
}

BOOL Dlg_Components::OnInitDialog() {
    grid.Attach(*this, IDC_OXY_COMPONENT_GRID);
    const ListView list = grid.List();
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list.AddStyle(WS_HSCROLL);
    int index = 0;
    for (const Column& column : kColumns)
        list.InsertColumn(index++, ResourceText(column.caption), column.width);
    DialogMessages messages(Handle());
    table.path = DataFilePath(L"\\CompsTableOxycalc.csv", messages);
    if (!FileExists(table.path)) messages.ShowMessage(ResourceText(IDS_OXY_NO_TABLE_FILE));
    if (table.path.empty()) return TRUE;
    table.Load();
    FillGrid();
    return TRUE;
}

void Dlg_Components::FillGrid() {
    grid.DeleteAllRows();
    const ListView list = grid.List();
    for (size_t position = 0; position < table.components.size(); ++position) {
        const Component& component = table.components[position];
        const int item = grid.AppendRow(component.id);
        if (item < 0) continue;
        list.SetItemText(item, 0, std::to_wstring(position + 1));
        list.SetItemText(item, 1, component.peakName);
        list.SetItemText(item, 2, component.name);
        list.SetItemText(item, 3, NumberCell(component.molarMass));
        list.SetItemText(item, 4, NumberCell(component.density));
    }
}

void Dlg_Components::OnCommand(int id, int code, HWND control) {
    if (id == IDC_OXY_ADD_COMPONENT) {
        table.AddComponent();
        FillGrid();
    } else if (id == IDC_OXY_REMOVE_COMPONENTS) {
        RemoveSelected();
    } else {
        Dialog::OnCommand(id, code, control);
    }
}

void Dlg_Components::RemoveSelected() {
    // The grid is refilled only after the walk, so the row positions stay valid during it.
    const ListView list = grid.List();
    for (int item = list.NextSelected(-1); item >= 0; item = list.NextSelected(item)) {
        if (const GridRowData* data = grid.RowData(item)) table.RemoveComponent(data->value);
    }
    FillGrid();
}

LRESULT Dlg_Components::OnNotify(int id, NMHDR& header) {
    if (id != IDC_OXY_COMPONENT_GRID) return 0;
    const auto& cell = reinterpret_cast<const GridNotification&>(header);
    if (header.code == GCN_BEGINEDIT) return cell.second >= 1 ? 1 : 0;
    if (header.code == GCN_VALUECHANGED) {
        ApplyEdit(cell.first, cell.second);
        return 1;
    }
    return 0;
}

void Dlg_Components::ApplyEdit(int item, int column) {
    if (item < 0 || static_cast<size_t>(item) >= table.components.size()) return;
    Component& component = table.components[static_cast<size_t>(item)];
    const std::wstring text = grid.List().ItemText(item, column);
    switch (column) {
        case 1:
            component.peakName = text;
            break;
        case 2:
            component.name = text;
            break;
        case 3:
            component.molarMass = ReadNumberCell(text);
            break;
        case 4:
            component.density = ReadNumberCell(text);
            break;
        default:
            break;
    }
}

void Dlg_Components::OnOk() {
    const SaveResult result = table.Save();
    if (result.status != SaveStatus::Saved) {
        // The dialog stays open with the edits, so that nothing typed is lost.
        if (!result.message.empty()) ShowErrorBox(Handle(), result.message);
        return;
    }
    End(IDOK);
}

void Dlg_Components::OnCancel() {
    const int answer = ShowMessageBox(Handle(), ResourceText(IDS_OXY_LEAVE_UNSAVED),
                                      ResourceText(IDS_OXY_LEAVE_CAPTION), MB_OKCANCEL | MB_ICONQUESTION);
    if (answer == IDOK) End(IDCANCEL);
}
