#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tables/ComponentsTable.h"
#include "ui/CGridCtrl.h"
#include "win/Dialog.h"

// The modal editor of the components table. The main dialog keeps one for its whole life; the table
// also serves the recalculation, which loads it from the file.
class Dlg_Components : public Dialog {
public:
    // Runs the dialog; IDOK when the table was saved.
    INT_PTR Run(HWND parent);

    ComponentsTable table;

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(int id, NMHDR& header) override;
    // Saves when every number reads whole and the file can hold every name, with no peak named twice;
    // otherwise says what is wrong and stays open.
    void OnOk() override;
    // Closes without saving, after asking.
    void OnCancel() override;

private:
    void FillGrid();
    void AddRow();
    void RemoveSelected();
    void ApplyEdit(int item, int column);
    std::wstring NumberCell(const Component& component, int column) const;
    bool CheckBeforeSaving();

    CGridCtrl grid;
    // What the user typed into number cells that holds no number, by component id and column: the
    // component keeps NaN there, and the cell shows the text until it is corrected or the dialog
    // closes, so that a save can be refused naming it.
    std::map<std::pair<int32_t, int>, std::wstring> unreadNumbers_;
};
