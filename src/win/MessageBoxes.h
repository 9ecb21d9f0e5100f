#pragma once

#include <windows.h>

#include <string>

#include "messages/UserMessages.h"

// A message box owned by a window; the button the user pressed.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);
// The captions of the plug-in's boxes in the host's language: of an error ("Ошибка") and of any other
// box ("Расчёт-207").
std::wstring ErrorCaption();
std::wstring MessageCaption();
// An error box: caption "Ошибка", error icon, OK button.
void ShowErrorBox(HWND owner, const std::wstring& text);

// What the core has to say, shown as message boxes owned by a dialog: errors as error boxes, anything
// else in a plain box with the plug-in's caption.
class DialogMessages : public UserMessages {
public:
    explicit DialogMessages(HWND owner) : owner_(owner) {}
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring& text) override;
    void ShowMessage(const std::wstring& text) override;

protected:
    HWND Owner() const { return owner_; }

private:
    HWND owner_;
};
