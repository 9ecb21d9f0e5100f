#pragma once

#include <windows.h>

#include <vector>

// Moves and stretches a dialog's controls when the dialog is resized: each control follows a share
// (in per cent) of the change of the client area's width and height, as the template's table says.
class DynamicLayout {
public:
    struct Share {
        int moveX, moveY, growX, growY;
    };

    // Takes the current client size as the reference for every control added afterwards.
    void Start(HWND dialog);
    void Add(HWND control, Share share);
    // Places every control for the dialog's current client size.
    void Apply() const;
    // Where Apply places a control for the dialog's current client size; an empty rectangle for one
    // not added.
    RECT PlaceOf(HWND control) const;

private:
    struct Item {
        HWND control;
        RECT origin;  // in the dialog's client coordinates at Start
        Share share;
    };
    HWND dialog_ = nullptr;
    SIZE origin_{};
    RECT Place(const Item& item, SIZE change) const;
    SIZE Change() const;

    std::vector<Item> items_;
};
