#include "ui/CGridCtrlEditCell.h"

#include <commctrl.h>

#include "win/DataExchange.h"

CGridCtrlEditCell::CGridCtrlEditCell(int32_t item, int32_t subItem, std::wstring text)
    : item_(item), subItem_(subItem), initialText_(std::move(text)) {}

CGridCtrlEditCell* CGridCtrlEditCell::Create(HWND grid, int32_t item, int32_t subItem, const RECT& rect,
                                             int alignment, const std::wstring& text,
                                             const std::wstring* replacement) {
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
    SetWindowTextW(edit, replacement != nullptr ? replacement->c_str() : text.c_str());
    SetFocus(edit);
    if (replacement != nullptr) {
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(replacement->size()),
                     static_cast<LPARAM>(replacement->size()));
    } else {
        SendMessageW(edit, EM_SETSEL, 0, -1);
    }
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
            if (wParam == VK_TAB) {
                MoveOn(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == VK_ESCAPE || wParam == VK_RETURN || wParam == VK_TAB) return 0;
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

// Ends the edit, keeping the text, and has the grid open the next cell. Giving the focus back destroys
// this object: only copies of its members are used after that.
void CGridCtrlEditCell::MoveOn(int direction) {
    const HWND grid = GetParent(Handle());
    Move move{item_, subItem_, direction};
    SetFocus(grid);
    SendMessageW(grid, kMoveMessage, 0, reinterpret_cast<LPARAM>(&move));
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
