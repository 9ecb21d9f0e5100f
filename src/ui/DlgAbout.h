#pragma once

#include <windows.h>

#include <string>

#include "win/Dialog.h"
#include "win/IconHandle.h"

// The small "about" box: the plug-in's icon, number, version and full title.
class DlgAbout : public Dialog {
public:
    INT_PTR Run(HWND parent);

protected:
    BOOL OnInitDialog() override;

private:
    std::wstring titleText;
    IconHandle picture_;
};
