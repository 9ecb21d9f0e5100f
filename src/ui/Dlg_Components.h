#pragma once

#include <windows.h>

#include "calc/ComponentsTable.h"
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
    void OnOk() override;
    void OnCancel() override;

private:
    void FillGrid();
    void RemoveSelected();
    void ApplyEdit(int item, int column);

    CGridCtrl grid;
};
