#pragma once

#include <windows.h>

#include <string>

#include "win/Dialog.h"

// The small prompt a save of a reference table asks first: why the table is changed. The reason goes
// into the table's change log; an empty one is refused, and Cancel saves nothing.
class DlgChangeReason : public Dialog {
public:
    // IDOK with the reason given, IDCANCEL when the user thought better of the save.
    INT_PTR Run(HWND parent);

    const std::wstring& Reason() const { return reason_; }

protected:
    void OnOk() override;

private:
    std::wstring reason_;
};
