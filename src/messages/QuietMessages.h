#pragma once

#include <string>

#include "messages/UserMessages.h"

// Swallows what it is told: for a calculation whose messages belong elsewhere (a series calculated twice,
// whose other run tells them; a report made again to be compared).
class QuietMessages : public UserMessages {
public:
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring&) override {}
    void ShowMessage(const std::wstring&) override {}
};
