#pragma once

#include <string>

#include "messages/UserMessages.h"

// What the plug-in shows in message boxes, written to standard error, one line per message.
class ConsoleMessages : public UserMessages {
public:
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring& text) override;
    void ShowMessage(const std::wstring& text) override;
};
