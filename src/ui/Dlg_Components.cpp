#include "ui/Dlg_Components.h"

#include <commctrl.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/FileSystemPath.h"
#include "platform/NumberText.h"
#include "platform/StdioFile.h"
#include "platform/TextTemplate.h"
#include "records/ReferenceTable.h"
#include "res/ResourceIds.h"
#include "tables/ComponentEntry.h"
#include "tables/DataFilePath.h"
#include "tables/NotSet.h"
#include "ui/ComponentTexts.h"
#include "ui/GridNotifications.h"
#include "ui/PluginMessages.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

namespace {

struct Column {
    UINT caption;  // string id
    int width;
};

// The oxygen atoms of a molecule come after the table's own five columns.
constexpr Column kColumns[] = {{IDS_OXY_COL_NUMBER, 50},          {IDS_OXY_COL_COMPONENT, 145},
                               {IDS_OXY_COL_COMPONENT_NAME, 145}, {IDS_OXY_COL_MOLAR_MASS, 115},
                               {IDS_OXY_COL_DENSITY, 125},        {IDS_OXY_COL_OXYGEN_ATOMS, 75}};

constexpr int kMolarMassColumn = 3;
constexpr int kDensityColumn = 4;
constexpr int kOxygenAtomsColumn = 5;

int ColumnOf(ComponentProblem::Field field) {
    switch (field) {
        case ComponentProblem::Field::PeakName:
            return 1;
        case ComponentProblem::Field::Name:
            return 2;
        case ComponentProblem::Field::MolarMass:
            return kMolarMassColumn;
        case ComponentProblem::Field::OxygenAtoms:
            return kOxygenAtomsColumn;
        case ComponentProblem::Field::Density:
            break;
    }
    return kDensityColumn;
}

}  // namespace

INT_PTR Dlg_Components::Run(HWND parent) {
    return RunModal(ResourceModule(), IDD_OXY_COMPONENTS, parent);
}

BOOL Dlg_Components::OnInitDialog() {
    grid.Attach(*this, IDC_OXY_COMPONENT_GRID);
    grid.EnableKeyboardEditing(1);
    const ListView list = grid.List();
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list.AddStyle(WS_HSCROLL);
    for (const Column& column : kColumns) grid.AddColumn(ResourceText(column.caption), column.width);
    unreadNumbers_.clear();
    PluginMessages messages(Handle());
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
        list.SetItemText(item, kMolarMassColumn, NumberCell(component, kMolarMassColumn));
        list.SetItemText(item, kDensityColumn, NumberCell(component, kDensityColumn));
        list.SetItemText(item, kOxygenAtomsColumn, NumberCell(component, kOxygenAtomsColumn));
    }
}

// "---" when not set, the text typed when it was no number, otherwise two decimals; the oxygen atoms as a
// whole number.
std::wstring Dlg_Components::NumberCell(const Component& component, int column) const {
    if (column == kOxygenAtomsColumn) {
        const auto typed = unreadNumbers_.find({component.id, column});
        if (component.oxygenAtoms < 1 && typed != unreadNumbers_.end()) return typed->second;
        return std::to_wstring(component.oxygenAtoms);
    }
    const double value = column == kMolarMassColumn ? component.molarMass : component.density;
    if (std::isnan(value)) {
        const auto typed = unreadNumbers_.find({component.id, column});
        if (typed != unreadNumbers_.end()) return typed->second;
    }
    return IsNotSet(value) ? L"---" : FormatFixed(value, ComponentsTable::precision);
}

// A new row carries the placeholder of the host's language for its peak name.
void Dlg_Components::AddRow() {
    table.AddComponent();
    table.components.back().peakName = ResourceTextOr(IDS_OXY_NEW_COMPONENT, kNewComponentPeakName);
    FillGrid();
    const int last = grid.List().ItemCount() - 1;
    grid.SetCurrentCell(last, 1);
}

void Dlg_Components::OnCommand(int id, int code, HWND control) {
    if (id == IDC_OXY_ADD_COMPONENT) {
        AddRow();
    } else if (id == IDC_OXY_REMOVE_COMPONENTS) {
        RemoveSelected();
    } else {
        Dialog::OnCommand(id, code, control);
    }
}

// Nothing is asked: the file changes only at "Сохранить".
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
        case kMolarMassColumn:
        case kDensityColumn: {
            // A text that is no number is kept as typed; the save names it.
            const std::optional<double> number = ReadComponentNumber(text);
            (column == kMolarMassColumn ? component.molarMass : component.density) =
                number ? *number : std::numeric_limits<double>::quiet_NaN();
            if (number) {
                unreadNumbers_.erase({component.id, column});
            } else {
                unreadNumbers_[{component.id, column}] = text;
            }
            break;
        }
        case kOxygenAtomsColumn: {
            const std::optional<int32_t> atoms = ReadOxygenAtoms(text);
            component.oxygenAtoms = atoms.value_or(0);
            if (atoms) {
                unreadNumbers_.erase({component.id, column});
            } else {
                unreadNumbers_[{component.id, column}] = text;
            }
            break;
        }
        default:
            break;
    }
}

// Says every problem of the table at once and makes the first one's cell the current one.
bool Dlg_Components::CheckBeforeSaving() {
    const std::vector<ComponentProblem> problems =
        CheckComponents(table.components, {ResourceText(IDS_OXY_NEW_COMPONENT)});
    if (problems.empty()) return true;
    const auto typed = [this](const ComponentProblem& problem) {
        const int32_t id = table.components[problem.position].id;
        const auto text = unreadNumbers_.find({id, ColumnOf(problem.field)});
        return text != unreadNumbers_.end() ? text->second : std::wstring();
    };
    ShowErrorBox(Handle(), ComponentProblemsText(problems, typed));
    grid.SetCurrentCell(static_cast<int>(problems.front().position), ColumnOf(problems.front().field));
    SetFocus(grid.Handle());
    return false;
}

// The save is logged with who, when and what changed; a lab that wants a reason adds it to the log
// afterwards (oxycalc-cli history FILE --reason).
void Dlg_Components::OnOk() {
    grid.CommitEdit();
    if (!CheckBeforeSaving()) return;
    // What the file holds before the save: the version its change log compares with.
    const std::string before = ReadFileBytes(table.path).value_or("");
    const SaveResult result = table.Save();
    if (result.status != SaveStatus::Saved) {
        const std::wstring text = SaveResultText(result);
        if (!text.empty()) ShowErrorBox(Handle(), text);
        return;
    }
    if (!LogTableSave(table.path, before, std::wstring()))
        ShowErrorBox(Handle(), FillTemplate(ResourceText(IDS_OXY_LOG_NOT_WRITTEN), {table.path + L".log"}));
    End(IDOK);
}

// Asked every time, whether anything was changed or not.
void Dlg_Components::OnCancel() {
    grid.CommitEdit();
    const int answer = ShowMessageBox(Handle(), ResourceText(IDS_OXY_LEAVE_UNSAVED),
                                      ResourceText(IDS_OXY_LEAVE_CAPTION), MB_OKCANCEL | MB_ICONQUESTION);
    if (answer == IDOK) End(IDCANCEL);
}
