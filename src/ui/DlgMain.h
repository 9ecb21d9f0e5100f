#pragma once

#include <windows.h>

#include <functional>

#include "platform/Dialog.h"

// The plug-in's main window: a resizable, modeless dialog owned by a host window. Closing only hides
// it; the object and its data live as long as the window.
class DlgMain : public Dialog {
public:
    // windowGone runs when the window has been destroyed (with its owner); it may delete the object.
    explicit DlgMain(std::function<void()> windowGone);

    // Creates the hidden window from its template, owned by the host window.
    void Create(HWND owner);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnFinalMessage() override;

private:
    std::function<void()> windowGone_;
};
