#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>

#include "ui/GridRowData.h"
#include "win/Dialog.h"
#include "win/ListView.h"
#include "win/WindowSubclass.h"

class CGridCtrlEditCell;

// The table control of the plug-in's dialogs: a report-view list with a record per row, highlighted
// selected rows, in-place editing of single cells and notifications (GCN_*) by which the parent
// decides what may be edited, whether an edit is kept and how a column sorts.
class CGridCtrl : public WindowSubclass, public NotifyReflector {
public:
    CGridCtrl() = default;
    ~CGridCtrl() override;

    // Takes over list control `id` of the dialog; its notifications come here first.
    void Attach(Dialog& parent, int id);
    ListView List() const { return ListView(Handle()); }

    // Appends a row with empty text and a fresh record carrying `value`; its index.
    int AppendRow(int32_t value);
    GridRowData* RowData(int item) const;
    // Frees the record of every row, then deletes the rows.
    void DeleteAllRows();
    // Opens the editor over a cell when the parent allows it; the editor, or null.
    CGridCtrlEditCell* EditCell(int32_t item, int32_t subItem);

    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;

    int32_t sortColumn = -1;
    int32_t sortAscending = 1;
    int32_t sortKind = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT SendToParent(UINT code, int32_t first, int32_t second) const;
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;
    void OnDoubleClick(NMITEMACTIVATE& click);
    bool OnItemChanged(const NMLISTVIEW& change) const;
    void OnColumnClick(int column);
    void OnEndLabelEdit(const NMLVDISPINFOW& info);
    bool OnHeaderNotify(NMHDR& header, LRESULT& result) const;
    void OnContextMenu(LPARAM point) const;
    void FreeRowData();
    static int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM grid);

    HWND parent_ = nullptr;
    int id_ = 0;
};
