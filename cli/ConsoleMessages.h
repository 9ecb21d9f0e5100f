#pragma once

#include <cstdio>
#include <string>

#include "messages/UserMessages.h"

// What the plug-in shows in message boxes, written to standard error, one line per message, in the
// language the command line was asked to speak (--lang).
class ConsoleMessages : public UserMessages {
public:
    explicit ConsoleMessages(Language language = Language::Russian) : language_(language) {}

    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring& text) override;
    void ShowMessage(const std::wstring& text) override;
    Language MessageLanguage() const override { return language_; }

private:
    Language language_;
};

// A sentence of the command line on one of its streams, after the program's name.
void WriteCliLine(FILE* stream, const Message& message, Language language);
