#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "win/WindowSubclass.h"

// The in-place editor of one grid cell: an edit control over the cell that reports its text to the
// grid when it loses the focus, then destroys itself (the object deletes itself with its window).
class CGridCtrlEditCell : public WindowSubclass {
public:
    static constexpr int kControlId = 9801;
    // Sent to the grid after Tab or Shift+Tab ended an edit, with a Move: go on to the next or the
    // previous cell.
    static constexpr UINT kMoveMessage = WM_APP + 0x21;
    struct Move {
        int32_t item;
        int32_t subItem;
        int direction;  // 1 next, -1 previous
    };

    // Creates the editor over `rect` of the grid, focused with the whole text selected; with a
    // replacement, showing that text instead with the caret after it (a key typed over the cell).
    static CGridCtrlEditCell* Create(HWND grid, int32_t item, int32_t subItem, const RECT& rect,
                                     int alignment, const std::wstring& text,
                                     const std::wstring* replacement = nullptr);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override { delete this; }

private:
    CGridCtrlEditCell(int32_t item, int32_t subItem, std::wstring text);
    ~CGridCtrlEditCell() override = default;
    void EndEdit();
    void MoveOn(int direction);

    int32_t item_;
    int32_t subItem_;
    std::wstring initialText_;
    int32_t cancelled_ = 0;
    bool ending_ = false;
};
