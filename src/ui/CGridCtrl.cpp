#include "ui/CGridCtrl.h"

#include <oleauto.h>
#include <windowsx.h>

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

CGridCtrlEditCell* CGridCtrl::EditCell(int32_t item, int32_t subItem) {
    if (item < 0 || subItem < 0 || !List().EnsureVisible(item)) return nullptr;
    if (SendToParent(GCN_BEGINEDIT, item, subItem) == 0) return nullptr;
    RECT rect = List().SubItemLabelRect(item, subItem);
    rect.top -= 2;
    rect.bottom += 2;
    return CGridCtrlEditCell::Create(Handle(), item, subItem, rect, List().ColumnFormat(subItem),
                                     List().ItemText(item, subItem));
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
    if (stage != CDDS_ITEMPREPAINT && stage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) return CDRF_DODEFAULT;
    const int item = static_cast<int>(draw.nmcd.dwItemSpec);
    if (List().ItemState(item, LVIS_SELECTED) & LVIS_SELECTED) {
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

bool CGridCtrl::OnHeaderNotify(NMHDR& header, LRESULT& result) const {
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
