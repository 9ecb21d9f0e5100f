#pragma once

#include <windows.h>

#include <cstdint>

// What a grid keeps with each row: its colours and a value of the owner's (an id).
struct GridRowData {
    COLORREF textColour = CLR_DEFAULT;  // CLR_DEFAULT: the list's own colour
    COLORREF backColour = CLR_DEFAULT;
    int32_t value = 0;
};
