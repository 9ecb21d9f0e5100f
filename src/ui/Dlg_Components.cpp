#include "ui/Dlg_Components.h"

#include <commctrl.h>

#include <cmath>
#include <cstring>
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
#include "ui/DlgChangeReason.h"
#include "ui/GridNotifications.h"
#include "ui/PluginMessages.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

namespace {

struct Column {
    UINT caption;  // string id
    int width;
};

constexpr Column kColumns[] = {{IDS_OXY_COL_NUMBER, 50},          {IDS_OXY_COL_COMPONENT, 135},
                               {IDS_OXY_COL_COMPONENT_NAME, 135}, {IDS_OXY_COL_MOLAR_MASS, 105},
                               {IDS_OXY_COL_DENSITY, 95},         {IDS_OXY_COL_OXYGEN_ATOMS, 75}};

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
    opened_.clear();
    PluginMessages messages(Handle());
    table.path = DataFilePath(L"\\CompsTableOxycalc.csv", messages);
    if (!FileExists(table.path)) messages.ShowMessage(ResourceText(IDS_OXY_NO_TABLE_FILE));
    if (table.path.empty()) return TRUE;
    table.Load();
    opened_ = table.components;
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
    grid.FitColumns();
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

void Dlg_Components::RemoveSelected() {
    if (!RemovingIsConfirmed()) return;
    // The grid is refilled only after the walk, so the row positions stay valid during it.
    const ListView list = grid.List();
    for (int item = list.NextSelected(-1); item >= 0; item = list.NextSelected(item)) {
        if (const GridRowData* data = grid.RowData(item)) table.RemoveComponent(data->value);
    }
    FillGrid();
}

// Removing rows of a reference table is asked about first, naming them.
bool Dlg_Components::RemovingIsConfirmed() const {
    const ListView list = grid.List();
    std::wstring names;
    for (int item = list.NextSelected(-1); item >= 0; item = list.NextSelected(item)) {
        if (static_cast<size_t>(item) >= table.components.size()) continue;
        names += (names.empty() ? L"" : L", ") + table.components[static_cast<size_t>(item)].peakName;
    }
    if (names.empty()) return false;
    return ShowMessageBox(Handle(), FillTemplate(ResourceText(IDS_OXY_REMOVE_COMPONENTS_QUESTION), {names}),
                          ResourceText(IDS_OXY_REMOVE_ALL_CAPTION),
                          MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
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
        if (problem.kind == ComponentProblem::Kind::NumberAsName)
            return table.components[problem.position].peakName;
        const int32_t id = table.components[problem.position].id;
        const auto text = unreadNumbers_.find({id, ColumnOf(problem.field)});
        return text != unreadNumbers_.end() ? text->second : std::wstring();
    };
    ShowErrorBox(Handle(), ComponentProblemsText(problems, typed));
    grid.SetCurrentCell(static_cast<int>(problems.front().position), ColumnOf(problems.front().field));
    SetFocus(grid.Handle());
    return false;
}

void Dlg_Components::OnOk() {
    grid.CommitEdit();
    if (!CheckBeforeSaving()) return;
    // Every change of the table is logged with its reason; without one nothing is written and the
    // dialog stays open with the edits.
    DlgChangeReason reason;
    if (reason.Run(Handle()) != IDOK) return;
    // What the file holds before the save: the version its change log compares with.
    const std::string before = ReadFileBytes(table.path).value_or("");
    const SaveResult result = table.Save();
    if (result.status != SaveStatus::Saved) {
        const std::wstring text = SaveResultText(result);
        if (!text.empty()) ShowErrorBox(Handle(), text);
        return;
    }
    if (!LogTableSave(table.path, before, reason.Reason()))
        ShowErrorBox(Handle(), FillTemplate(ResourceText(IDS_OXY_LOG_NOT_WRITTEN), {table.path + L".log"}));
    End(IDOK);
}

// Numbers compare by their bits: a cell typed as no number holds NaN, which differs from what was read.
bool Dlg_Components::Changed() const {
    if (!unreadNumbers_.empty() || table.components.size() != opened_.size()) return true;
    for (size_t position = 0; position < opened_.size(); ++position) {
        const Component& now = table.components[position];
        const Component& was = opened_[position];
        if (now.id != was.id || now.peakName != was.peakName || now.name != was.name ||
            now.oxygenAtoms != was.oxygenAtoms ||
            std::memcmp(&now.molarMass, &was.molarMass, sizeof(double)) != 0 ||
            std::memcmp(&now.density, &was.density, sizeof(double)) != 0)
            return true;
    }
    return false;
}

void Dlg_Components::OnCancel() {
    grid.CommitEdit();
    if (!Changed()) {
        End(IDCANCEL);
        return;
    }
    const int answer = ShowMessageBox(Handle(), ResourceText(IDS_OXY_LEAVE_UNSAVED),
                                      ResourceText(IDS_OXY_LEAVE_CAPTION), MB_OKCANCEL | MB_ICONQUESTION);
    if (answer == IDOK) End(IDCANCEL);
}
