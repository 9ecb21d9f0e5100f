#include "ui/CGridCtrl.h"

#include <oleauto.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/NumberText.h"
#include "ui/CGridCtrlEditCell.h"
#include "ui/GridNotifications.h"

CGridCtrl::~CGridCtrl() {
    if (Handle() != nullptr) FreeRowData();
}

void CGridCtrl::Attach(Dialog& parent, int id) {
    parent_ = parent.Handle();
    id_ = id;
    WindowSubclass::Attach(parent.Item(id));
    parent.ReflectNotifications(id, this);
    List().AddStyle(LVS_REPORT);
    List().SetExtendedStyle(LVS_EX_INFOTIP | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
}

int CGridCtrl::AppendRow(int32_t value) {
    const int item = List().InsertItem(List().ItemCount(), L"");
    if (item < 0) return item;
    auto* data = new GridRowData;
    data->value = value;
    List().SetItemData(item, reinterpret_cast<LPARAM>(data));
    return item;
}

GridRowData* CGridCtrl::RowData(int item) const {
    return reinterpret_cast<GridRowData*>(List().ItemData(item));
}

void CGridCtrl::DeleteAllRows() {
    FreeRowData();
    List().DeleteAllItems();
}

void CGridCtrl::FreeRowData() {
    const ListView list = List();
    for (int item = 0; item < list.ItemCount(); ++item) {
        delete RowData(item);
        list.SetItemData(item, 0);
    }
}

LRESULT CGridCtrl::SendToParent(UINT code, int32_t first, int32_t second) const {
    GridNotification notification{{Handle(), static_cast<UINT_PTR>(id_), code}, first, second};
    return SendMessageW(parent_, WM_NOTIFY, static_cast<WPARAM>(id_),
                        reinterpret_cast<LPARAM>(&notification));
}

CGridCtrlEditCell* CGridCtrl::EditCell(int32_t item, int32_t subItem, const std::wstring* replacement) {
    if (item < 0 || subItem < 0 || !List().EnsureVisible(item)) return nullptr;
    if (SendToParent(GCN_BEGINEDIT, item, subItem) == 0) return nullptr;
    currentColumn_ = subItem;
    RECT rect = List().SubItemLabelRect(item, subItem);
    rect.top -= 2;
    rect.bottom += 2;
    return CGridCtrlEditCell::Create(Handle(), item, subItem, rect, List().ColumnFormat(subItem),
                                     List().ItemText(item, subItem), replacement);
}

void CGridCtrl::CommitEdit() {
    if (GetDlgItem(Handle(), CGridCtrlEditCell::kControlId) != nullptr) SetFocus(Handle());
}

void CGridCtrl::SetCurrentCell(int item, int column) {
    const ListView list = List();
    if (item < 0 || item >= list.ItemCount()) return;
    currentColumn_ = std::clamp(column, 0, std::max(0, list.ColumnCount() - 1));
    list.SetItemState(-1, 0, LVIS_SELECTED);
    list.SetItemState(item, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    list.EnsureVisible(item);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CGridCtrl::EditCurrentCell(const std::wstring* replacement) {
    const ListView list = List();
    if (list.ItemCount() == 0) return;
    const int item = list.FocusedItem();
    if (item < 0) {
        // No cell is current yet: the first key shows which one would be edited and changes nothing,
        // so that typing into a grid just opened never overwrites its first row.
        SetCurrentCell(0, currentColumn_);
        MessageBeep(MB_OK);
        return;
    }
    // A column the parent keeps from editing (a running number) hands the edit to the next one.
    for (int column = currentColumn_; column < list.ColumnCount(); ++column) {
        if (EditCell(item, column, replacement) != nullptr) return;
    }
}

// From the cell just edited to the next (direction 1) or previous (-1) one the parent lets the user
// edit, row after row; past the first or the last cell the edit just ends.
void CGridCtrl::MoveEdit(int32_t item, int32_t subItem, int direction) {
    const ListView list = List();
    const int columns = list.ColumnCount();
    int row = item;
    int column = subItem;
    for (int step = 0; step < columns * list.ItemCount(); ++step) {
        column += direction;
        if (column >= columns) {
            column = 0;
            ++row;
        } else if (column < 0) {
            column = columns - 1;
            --row;
        }
        if (row < 0 || row >= list.ItemCount()) return;
        if (row != list.FocusedItem()) SetCurrentCell(row, column);
        if (EditCell(row, column) != nullptr) return;
    }
}

bool CGridCtrl::OnEditKey(UINT key) {
    switch (key) {
        case VK_F2:
        case VK_RETURN:
            EditCurrentCell(nullptr);
            return true;
        case VK_LEFT:
        case VK_RIGHT:
            currentColumn_ = std::clamp(currentColumn_ + (key == VK_RIGHT ? 1 : -1), 0,
                                        std::max(0, List().ColumnCount() - 1));
            InvalidateRect(Handle(), nullptr, FALSE);
            return true;
        default:
            return false;
    }
}

bool CGridCtrl::OnEditChar(wchar_t character) {
    // Enter's character follows its key, which has opened the editor already.
    if (character == L'\r') return true;
    if (character < L' ' || character == 0x7F) return false;
    const std::wstring typed(1, character);
    EditCurrentCell(&typed);
    return true;
}

void CGridCtrl::AddColumn(const std::wstring& caption, int width) {
    List().InsertColumn(List().ColumnCount(), caption, width);
}

bool CGridCtrl::OnReflectedNotify(NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != Handle()) return false;
    result = 0;
    switch (header.code) {
        case NM_CUSTOMDRAW:
            result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
            return true;
        case NM_DBLCLK:
            OnDoubleClick(reinterpret_cast<NMITEMACTIVATE&>(header));
            return true;
        case NM_CLICK:
            if (keyboardEditing_ && reinterpret_cast<NMITEMACTIVATE&>(header).iSubItem >= 0) {
                currentColumn_ = reinterpret_cast<NMITEMACTIVATE&>(header).iSubItem;
                InvalidateRect(Handle(), nullptr, FALSE);
            }
            return false;
        case LVN_ITEMCHANGED:
            return OnItemChanged(reinterpret_cast<NMLISTVIEW&>(header));
        case LVN_COLUMNCLICK:
            OnColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
            return true;
        default:
            return false;
    }
}

LRESULT CGridCtrl::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
    const DWORD stage = draw.nmcd.dwDrawStage;
    if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    if (stage == CDDS_POSTPAINT) {
        DrawFocusFrame(draw.nmcd.hdc);
        return CDRF_DODEFAULT;
    }
    if (stage != CDDS_ITEMPREPAINT && stage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) return CDRF_DODEFAULT;
    const int item = static_cast<int>(draw.nmcd.dwItemSpec);
    if (stage != CDDS_ITEMPREPAINT && IsCurrentCell(item, draw.iSubItem)) {
        // The cell that F2, Enter or a typed character would edit stands out of its highlighted row.
        draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
        draw.clrTextBk = GetSysColor(COLOR_WINDOW);
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
    } else if (List().ItemState(item, LVIS_SELECTED) & LVIS_SELECTED) {
        // Selected rows stay highlighted when the list loses the focus.
        draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
        draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
    } else if (const GridRowData* data = reinterpret_cast<const GridRowData*>(draw.nmcd.lItemlParam)) {
        draw.clrText = data->textColour;
        draw.clrTextBk = data->backColour;
    }
    return CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
}

// Where the keyboard is: a frame around the current cell of a grid that edits cells (grey while the
// grid has not the focus), around the focused row of a list that has the focus, or inside the border of
// a list that has the focus but no row to show it on.
RECT CGridCtrl::FocusFrame() const {
    const ListView list = List();
    const int item = list.FocusedItem();
    const bool focused = GetFocus() == Handle();
    RECT frame{};
    if (item >= 0 && keyboardEditing_) {
        ListView_GetSubItemRect(Handle(), item, currentColumn_,
                                currentColumn_ == 0 ? LVIR_LABEL : LVIR_BOUNDS, &frame);
    } else if (item >= 0 && focused) {
        ListView_GetItemRect(Handle(), item, &frame, LVIR_BOUNDS);
    } else if (focused) {
        GetClientRect(Handle(), &frame);
        RECT header{};
        if (GetWindowRect(ListView_GetHeader(Handle()), &header) &&
            IsWindowVisible(ListView_GetHeader(Handle())))
            frame.top += header.bottom - header.top;
    }
    return frame;
}

// A dark line with a light one inside: seen on a highlighted row as on a plain one.
void CGridCtrl::DrawFocusFrame(HDC dc) const {
    RECT frame = FocusFrame();
    if (IsRectEmpty(&frame)) return;
    FrameRect(dc, &frame, GetSysColorBrush(GetFocus() == Handle() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    InflateRect(&frame, -1, -1);
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOW));
}

bool CGridCtrl::IsCurrentCell(int item, int subItem) const {
    return keyboardEditing_ && subItem == currentColumn_ && item == List().FocusedItem() &&
           GetFocus() == Handle();
}

void CGridCtrl::OnDoubleClick(NMITEMACTIVATE& click) {
    LRESULT stop = 0;
    GridDoubleClick notification{{Handle(), static_cast<UINT_PTR>(id_), GCN_DBLCLICK}, &click, &stop};
    SendMessageW(parent_, WM_NOTIFY, static_cast<WPARAM>(id_), reinterpret_cast<LPARAM>(&notification));
    if (stop != 0 || click.iItem < 0) return;
    if (List().FocusedItem() == click.iItem) {
        EditCell(click.iItem, click.iSubItem);
        return;
    }
    List().SetItemState(click.iItem, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

bool CGridCtrl::OnItemChanged(const NMLISTVIEW& change) const {
    // The focus frame moves with the focused row: the whole list is drawn again, not only the rows.
    if ((change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_FOCUSED))
        InvalidateRect(Handle(), nullptr, FALSE);
    const bool nowSelected =
        (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
    if (!(change.uChanged & LVIF_STATE) || !nowSelected || change.iItem < 0) return false;
    SendToParent(GCN_SELECTED, change.iItem, change.iSubItem);
    return true;
}

void CGridCtrl::OnColumnClick(int column) {
    sortAscending = column != sortColumn ? 1 : !sortAscending;
    if (GetWindowLongPtrW(Handle(), GWL_STYLE) & LVS_NOSORTHEADER) return;
    sortColumn = column;
    sortKind = static_cast<int32_t>(SendToParent(GCN_SORT, sortColumn, sortAscending));
    if (sortKind == 0) return;
    HWND header = ListView_GetHeader(Handle());
    for (int index = 0; index < Header_GetItemCount(header); ++index) {
        HDITEMW info{};
        info.mask = HDI_FORMAT;
        Header_GetItem(header, index, &info);
        info.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (index == column) info.fmt |= sortAscending ? HDF_SORTUP : HDF_SORTDOWN;
        Header_SetItem(header, index, &info);
    }
    ListView_SortItemsEx(Handle(), CompareRows, reinterpret_cast<LPARAM>(this));
}

int CALLBACK CGridCtrl::CompareRows(LPARAM first, LPARAM second, LPARAM grid) {
    const auto* self = reinterpret_cast<const CGridCtrl*>(grid);
    std::wstring a = self->List().ItemText(static_cast<int>(first), self->sortColumn);
    std::wstring b = self->List().ItemText(static_cast<int>(second), self->sortColumn);
    int order = 0;
    if (self->sortKind == kSortNumeric) {
        order = ParseDouble(a) - ParseDouble(b) > 0 ? 1 : -1;
    } else if (self->sortKind == kSortDate) {
        DATE dateA = 0;
        DATE dateB = 0;
        const LCID locale = LOCALE_USER_DEFAULT;
        if (SUCCEEDED(VarDateFromStr(a.data(), locale, LOCALE_NOUSEROVERRIDE, &dateA)) &&
            SUCCEEDED(VarDateFromStr(b.data(), locale, LOCALE_NOUSEROVERRIDE, &dateB))) {
            order = dateA < dateB ? -1 : dateA > dateB ? 1 : 0;
        }
    } else {
        order = lstrcmpiW(a.c_str(), b.c_str());
    }
    return self->sortAscending ? order : -order;
}

void CGridCtrl::OnEndLabelEdit(const NMLVDISPINFOW& info) {
    if (info.item.pszText == nullptr) return;
    const std::wstring before = List().ItemText(info.item.iItem, info.item.iSubItem);
    const std::wstring after = info.item.pszText;
    if (after == before) return;
    List().SetItemText(info.item.iItem, info.item.iSubItem, after);
    if (SendToParent(GCN_VALUECHANGED, info.item.iItem, info.item.iSubItem) == 0) {
        List().SetItemText(info.item.iItem, info.item.iSubItem, before);
    }
}

bool CGridCtrl::OnHeaderNotify(NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != ListView_GetHeader(Handle())) return false;
    auto& change = reinterpret_cast<NMHEADERW&>(header);
    const int width = ListView_GetColumnWidth(Handle(), change.iItem);
    switch (header.code) {
        case HDN_BEGINTRACKW:
        case HDN_BEGINTRACKA:
            // A column dragged down to nothing stays hidden.
            result = width == 0 ? 1 : SendToParent(GCN_BEGINTRACK, change.iItem, 0);
            return true;
        case HDN_ENDTRACKW:
        case HDN_ENDTRACKA:
            if (change.pitem == nullptr || !(change.pitem->mask & HDI_WIDTH) || width == 0) return false;
            result = SendToParent(GCN_ENDTRACK, change.iItem, change.pitem->cxy) == 1 ? 1 : 0;
            return true;
        case HDN_ENDDRAG:
            if (change.pitem == nullptr || !(change.pitem->mask & HDI_ORDER) || width == 0) return false;
            result = SendToParent(GCN_COLUMNDRAGGED, change.iItem, change.pitem->iOrder) == 1 ? 1 : 0;
            return true;
        default:
            return false;
    }
}

void CGridCtrl::OnContextMenu(LPARAM point) const {
    POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    if (at.x == -1 && at.y == -1) {
        // From the keyboard: just inside the grid's top-left corner.
        at = {5, 5};
        ClientToScreen(Handle(), &at);
    }
    SendToParent(GCN_CONTEXTMENU, at.x, at.y);
}

LRESULT CGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.code == LVN_ENDLABELEDITW && header.idFrom == CGridCtrlEditCell::kControlId) {
                OnEndLabelEdit(reinterpret_cast<NMLVDISPINFOW&>(header));
                return 0;
            }
            LRESULT result = 0;
            if (OnHeaderNotify(header, result)) return result;
            break;
        }
        case WM_GETDLGCODE: {
            // Enter opens the current cell instead of pressing the dialog's default button.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (keyboardEditing_ && key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
                return DefaultProc(message, wParam, lParam) | DLGC_WANTMESSAGE;
            break;
        }
        case WM_KEYDOWN:
            if (keyboardEditing_ && OnEditKey(static_cast<UINT>(wParam))) return 0;
            break;
        case WM_CHAR:
            if (keyboardEditing_ && OnEditChar(static_cast<wchar_t>(wParam))) return 0;
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(Handle(), nullptr, FALSE);
            break;
        case CGridCtrlEditCell::kMoveMessage: {
            const auto& move = *reinterpret_cast<const CGridCtrlEditCell::Move*>(lParam);
            MoveEdit(move.item, move.subItem, move.direction);
            return 0;
        }
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
            // Scrolling ends an open edit: the editor loses the focus first.
            if (GetFocus() != Handle()) SetFocus(Handle());
            break;
        case WM_CONTEXTMENU:
            OnContextMenu(lParam);
            return 0;
        case WM_DESTROY:
            FreeRowData();
            break;
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}
