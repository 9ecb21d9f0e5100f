#pragma once

#include <windows.h>

#include <cstdint>

// Notifications a grid sends to its parent as WM_NOTIFY, with two 32-bit values after the header.
// A parent that does not handle one answers 0.
constexpr UINT GCN_VALUECHANGED = 3426;   // item, subItem; non-zero keeps the new text
constexpr UINT GCN_BEGINEDIT = 3427;      // item, subItem; non-zero lets the cell be edited
constexpr UINT GCN_SELECTED = 3428;       // item, subItem; answer ignored
constexpr UINT GCN_CONTEXTMENU = 3429;    // x, y in screen coordinates; answer ignored
constexpr UINT GCN_SORT = 3430;           // column, ascending; the sort kind, 0: do not sort
constexpr UINT GCN_COLUMNDRAGGED = 3431;  // column, new position; 1 refuses the move
constexpr UINT GCN_BEGINTRACK = 3432;     // column, 0; non-zero forbids resizing
constexpr UINT GCN_ENDTRACK = 3433;       // column, new width; 1 refuses the width
constexpr UINT GCN_DBLCLICK = 3434;       // NMITEMACTIVATE*, LRESULT*; non-zero result stops the grid

// Sort kinds a parent may answer to GCN_SORT; any other non-zero value sorts as text.
constexpr int32_t kSortNumeric = 2;
constexpr int32_t kSortDate = 3;

struct GridNotification {
    NMHDR header;
    int32_t first;
    int32_t second;
};

// GCN_DBLCLICK's payload: the two pointers in place of the two values.
struct GridDoubleClick {
    NMHDR header;
    NMITEMACTIVATE* click;
    LRESULT* result;
};
