#pragma once

#include <string>

// Where the core tells the user something: the plug-in shows message boxes owned by its dialog,
// the command-line front end writes to standard error.
class UserMessages {
public:
    virtual ~UserMessages() = default;

    // An error box: caption "Ошибка", error icon, OK button.
    virtual void ShowError(const std::wstring& text) = 0;
    // A plain box with an OK button and no caption of its own.
    virtual void ShowMessage(const std::wstring& text) = 0;
};
