#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

// A non-owning view of a list-view control in report view: one method per message, texts in UTF-16.
class ListView {
public:
    explicit ListView(HWND hwnd = nullptr) : hwnd_(hwnd) {}

    HWND Handle() const { return hwnd_; }

    void SetExtendedStyle(DWORD style) const;
    void AddStyle(LONG_PTR style) const;
    void InsertColumn(int index, const std::wstring& caption, int width, int format = LVCFMT_LEFT) const;
    int ColumnFormat(int column) const;
    int ColumnCount() const;
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width) const;

    int ItemCount() const;
    // Appends (or inserts at index) a row with the text of column 0; its index.
    int InsertItem(int index, const std::wstring& text) const;
    void SetItemText(int item, int column, const std::wstring& text) const;
    std::wstring ItemText(int item, int column) const;
    void SetItemData(int item, LPARAM data) const;
    LPARAM ItemData(int item) const;
    void DeleteAllItems() const;

    bool Checked(int item) const;
    void SetChecked(int item, bool checked) const;
    UINT ItemState(int item, UINT mask) const;
    void SetItemState(int item, UINT state, UINT mask) const;

    int SelectedCount() const;
    // The next selected row after `after` (-1: the first); -1 when there is none.
    int NextSelected(int after) const;
    int FocusedItem() const;
    bool EnsureVisible(int item) const;
    RECT SubItemLabelRect(int item, int column) const;

private:
    HWND hwnd_;
};

// Holds a window's painting while its content is rebuilt, and lets it paint once, all of it, when
// the rebuild ends (by an exception too).
class RedrawSuspended {
public:
    explicit RedrawSuspended(HWND window) : window_(window) { SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawSuspended() {
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    HWND window_;
};
