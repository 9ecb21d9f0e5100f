#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

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
    // Opens the editor over a cell when the parent allows it; the editor, or null. With a replacement
    // the editor starts with that text instead of the cell's (a key typed over the cell).
    CGridCtrlEditCell* EditCell(int32_t item, int32_t subItem, const std::wstring* replacement = nullptr);
    // Ends an open edit, keeping what was typed.
    void CommitEdit();

    // Appends a column of the width it was designed with, in pixels; the user may size it.
    void AddColumn(const std::wstring& caption, int width);

    // The keyboard edits cells: F2 or Enter opens the current cell (and Enter never reaches the
    // dialog's default button), a character typed over it starts the edit with that character, Left
    // and Right choose the current column, Tab and Shift+Tab in the editor go on to the next or
    // previous cell.
    void EnableKeyboardEditing(int firstColumn) {
        keyboardEditing_ = true;
        currentColumn_ = firstColumn;
    }
    int CurrentColumn() const { return currentColumn_; }
    // Makes a cell the current one: its row focused and the only one selected.
    void SetCurrentCell(int item, int column);

    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;

    int32_t sortColumn = -1;
    int32_t sortAscending = 1;
    int32_t sortKind = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT SendToParent(UINT code, int32_t first, int32_t second) const;
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;
    RECT FocusFrame() const;
    void DrawFocusFrame(HDC dc) const;
    bool IsCurrentCell(int item, int subItem) const;
    bool OnEditKey(UINT key);
    bool OnEditChar(wchar_t character);
    void EditCurrentCell(const std::wstring* replacement);
    void MoveEdit(int32_t item, int32_t subItem, int direction);
    void OnDoubleClick(NMITEMACTIVATE& click);
    bool OnItemChanged(const NMLISTVIEW& change) const;
    void OnColumnClick(int column);
    void OnEndLabelEdit(const NMLVDISPINFOW& info);
    bool OnHeaderNotify(NMHDR& header, LRESULT& result);
    void OnContextMenu(LPARAM point) const;
    void FreeRowData();
    static int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM grid);

    HWND parent_ = nullptr;
    int id_ = 0;
    bool keyboardEditing_ = false;
    int currentColumn_ = 0;
};
