#pragma once

#include <windows.h>

#include "win/DynamicLayout.h"
#include "win/Tooltip.h"

class Dialog;
class ProfileSettings;

// The main dialog's frame: its caption with the version, its icons and the buttons', their tips, how the
// controls follow the window's size, the least size and the window's place kept in the profile.
class MainWindowFrame {
public:
    // Dresses the dialog's window, once, from its WM_INITDIALOG.
    void Attach(Dialog& dialog);
    // The messages of the frame: the tips' relay, the least size, the layout. False where the dialog
    // goes on with the message too.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void StorePlace(HWND window, const ProfileSettings& profile) const;
    void RestorePlace(HWND window, const ProfileSettings& profile) const;

    Tooltip& Tips() { return tooltips_; }
    const Tooltip& Tips() const { return tooltips_; }
    const DynamicLayout& Layout() const { return layout_; }

private:
    void AppendVersionToCaption(HWND window) const;
    void SetIcons(const Dialog& dialog) const;
    void CreateTooltips(const Dialog& dialog);
    void SetUpLayout(HWND window);

    Tooltip tooltips_;
    DynamicLayout layout_;
};
