#pragma once

#include <string>

#include "messages/Catalogue.h"
#include "messages/Language.h"
#include "messages/Message.h"

// Where the core tells the user something: the plug-in shows message boxes owned by its dialog,
// the command-line front end writes to standard error. A message the core says as a code is put into the
// words of the sink's language.
class UserMessages {
public:
    virtual ~UserMessages() = default;

    // An error box: caption "Ошибка", error icon, OK button.
    virtual void ShowError(const std::wstring& text) = 0;
    // A plain box with an OK button and no caption of its own.
    virtual void ShowMessage(const std::wstring& text) = 0;

    // The same for a message the core says as a code.
    virtual void ShowError(const Message& message) { ShowError(Render(message, MessageLanguage())); }
    virtual void ShowMessage(const Message& message) { ShowMessage(Render(message, MessageLanguage())); }

    // The language the user reads here.
    virtual Language MessageLanguage() const { return Language::Russian; }
};

// Swallows what the core would tell: for work done again whose first run told it already (a series
// calculated twice, a report made again to be compared), and for benchmarks.
class QuietMessages : public UserMessages {
public:
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring&) override {}
    void ShowMessage(const std::wstring&) override {}
};
