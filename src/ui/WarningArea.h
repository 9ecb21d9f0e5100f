#pragma once

#include <windows.h>

#include <string>
#include <vector>

class Dialog;
class DynamicLayout;
class Tooltip;

// The main dialog's warning area (1040), below the result list: every warning on a line of its own, each
// whole. It grows upward over the results to the lines the warnings take, up to three fifths of the room
// the two share, and scrolls only beyond that. A view of the dialog's controls, which the dialog owns.
class WarningArea {
public:
    WarningArea(const Dialog& dialog, const DynamicLayout& layout) : dialog_(dialog), layout_(layout) {}

    // Shows the lines, and all of them in the area's tip.
    void Show(const std::vector<std::wstring>& lines, Tooltip& tooltips) const;
    // Sizes the area and the result list for the lines shown, after the dialog changed its size too.
    void Fit() const;
    // The area's colours; false for any other control.
    bool Colour(HWND control, HDC dc, LRESULT& brush) const;

private:
    const Dialog& dialog_;
    const DynamicLayout& layout_;
};
