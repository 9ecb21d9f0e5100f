#include "ui/CGridCtrlEditCell.h"

#include <commctrl.h>

#include "win/DataExchange.h"

CGridCtrlEditCell::CGridCtrlEditCell(int32_t item, int32_t subItem, std::wstring text)
    : item_(item), subItem_(subItem), initialText_(std::move(text)) {}

CGridCtrlEditCell* CGridCtrlEditCell::Create(HWND grid, int32_t item, int32_t subItem, const RECT& rect,
                                             int alignment, const std::wstring& text) {
    const DWORD align = alignment == LVCFMT_RIGHT    ? ES_RIGHT
                        : alignment == LVCFMT_CENTER ? ES_CENTER
                                                     : ES_LEFT;
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | align,
                                rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, grid,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), nullptr, nullptr);
    if (edit == nullptr) return nullptr;
    auto* self = new CGridCtrlEditCell(item, subItem, text);
    self->Attach(edit);
    SendMessageW(edit, WM_SETFONT, SendMessageW(grid, WM_GETFONT, 0, 0), FALSE);
    SetWindowTextW(edit, text.c_str());
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    return self;
}

LRESULT CGridCtrlEditCell::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            // Enter, Escape, Delete and Ctrl keys belong to the editor: the dialog must neither close nor
            // move the focus on them.
            return DefaultProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE || wParam == VK_RETURN) {
                if (wParam == VK_ESCAPE) cancelled_ = 1;
                SetFocus(GetParent(Handle()));
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == VK_ESCAPE || wParam == VK_RETURN) return 0;
            break;
        case WM_KILLFOCUS: {
            const LRESULT result = DefaultProc(message, wParam, lParam);
            EndEdit();
            return result;
        }
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

void CGridCtrlEditCell::EndEdit() {
    if (ending_) return;
    ending_ = true;
    HWND edit = Handle();
    HWND grid = GetParent(edit);
    std::wstring text = DataExchange::Text(edit);
    NMLVDISPINFOW info{};
    info.hdr.hwndFrom = edit;
    info.hdr.idFrom = kControlId;
    info.hdr.code = LVN_ENDLABELEDITW;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = item_;
    info.item.iSubItem = subItem_;
    info.item.pszText = cancelled_ ? nullptr : text.data();
    info.item.cchTextMax = static_cast<int>(text.size());
    SendMessageW(grid, WM_NOTIFY, kControlId, reinterpret_cast<LPARAM>(&info));
    DestroyWindow(edit);
}
