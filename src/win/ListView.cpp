#include "win/ListView.h"

#include <vector>

void ListView::SetExtendedStyle(DWORD style) const {
    ListView_SetExtendedListViewStyleEx(hwnd_, ~DWORD{0}, style);
}

void ListView::AddStyle(LONG_PTR style) const {
    SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) | style);
}

void ListView::InsertColumn(int index, const std::wstring& caption, int width, int format) const {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(caption.c_str());
    column.iSubItem = index;
    ListView_InsertColumn(hwnd_, index, &column);
}

int ListView::ColumnFormat(int column) const {
    LVCOLUMNW info{};
    info.mask = LVCF_FMT;
    return ListView_GetColumn(hwnd_, column, &info) ? info.fmt & LVCFMT_JUSTIFYMASK : LVCFMT_LEFT;
}

int ListView::ColumnCount() const {
    return Header_GetItemCount(ListView_GetHeader(hwnd_));
}

int ListView::ColumnWidth(int column) const {
    return ListView_GetColumnWidth(hwnd_, column);
}

void ListView::SetColumnWidth(int column, int width) const {
    ListView_SetColumnWidth(hwnd_, column, width);
}

int ListView::ItemCount() const {
    return ListView_GetItemCount(hwnd_);
}

int ListView::InsertItem(int index, const std::wstring& text) const {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    return ListView_InsertItem(hwnd_, &item);
}

void ListView::SetItemText(int item, int column, const std::wstring& text) const {
    ListView_SetItemText(hwnd_, item, column, const_cast<wchar_t*>(text.c_str()));
}

std::wstring ListView::ItemText(int item, int column) const {
    // The control copies at most the buffer's size; grow until the text fits.
    for (int size = 256;; size *= 4) {
        std::vector<wchar_t> buffer(static_cast<size_t>(size), L'\0');
        LVITEMW request{};
        request.iSubItem = column;
        request.pszText = buffer.data();
        request.cchTextMax = size;
        const auto length = static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                                          reinterpret_cast<LPARAM>(&request)));
        if (length < size - 1 || size > (1 << 20))
            return std::wstring(request.pszText, static_cast<size_t>(length));
    }
}

void ListView::SetItemData(int item, LPARAM data) const {
    LVITEMW request{};
    request.mask = LVIF_PARAM;
    request.iItem = item;
    request.lParam = data;
    ListView_SetItem(hwnd_, &request);
}

LPARAM ListView::ItemData(int item) const {
    LVITEMW request{};
    request.mask = LVIF_PARAM;
    request.iItem = item;
    return ListView_GetItem(hwnd_, &request) ? request.lParam : 0;
}

void ListView::DeleteAllItems() const {
    ListView_DeleteAllItems(hwnd_);
}

bool ListView::Checked(int item) const {
    return ListView_GetCheckState(hwnd_, static_cast<UINT>(item)) != 0;
}

void ListView::SetChecked(int item, bool checked) const {
    ListView_SetCheckState(hwnd_, item, checked ? TRUE : FALSE);
}

UINT ListView::ItemState(int item, UINT mask) const {
    return ListView_GetItemState(hwnd_, item, mask);
}

void ListView::SetItemState(int item, UINT state, UINT mask) const {
    ListView_SetItemState(hwnd_, item, state, mask);
}

int ListView::SelectedCount() const {
    return static_cast<int>(ListView_GetSelectedCount(hwnd_));
}

int ListView::NextSelected(int after) const {
    return ListView_GetNextItem(hwnd_, after, LVNI_SELECTED);
}

int ListView::FocusedItem() const {
    return ListView_GetNextItem(hwnd_, -1, LVNI_FOCUSED);
}

bool ListView::EnsureVisible(int item) const {
    return ListView_EnsureVisible(hwnd_, item, FALSE) != FALSE;
}

RECT ListView::SubItemLabelRect(int item, int column) const {
    RECT rect{};
    ListView_GetSubItemRect(hwnd_, item, column, LVIR_LABEL, &rect);
    return rect;
}
