#pragma once

#include <string>
#include <vector>

#include "messages/UserMessages.h"

// Keeps the texts the core would have shown, in order.
class RecordingMessages : public UserMessages {
public:
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring& text) override { errors.push_back(text); }
    void ShowMessage(const std::wstring& text) override { messages.push_back(text); }

    std::vector<std::wstring> errors;
    std::vector<std::wstring> messages;
};
