#pragma once

#include <windows.h>

#include <string>

#include "platform/UserMessages.h"

// A message box owned by a window; the button the user pressed.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);
// An error box: caption "Ошибка", error icon, OK button.
void ShowErrorBox(HWND owner, const std::wstring& text);

// What the core has to say, shown as message boxes owned by a dialog.
class DialogMessages : public UserMessages {
public:
    explicit DialogMessages(HWND owner) : owner_(owner) {}
    void ShowError(const std::wstring& text) override;
    void ShowMessage(const std::wstring& text) override;

private:
    HWND owner_;
};
