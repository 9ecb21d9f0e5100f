#pragma once

#include <string>

#include "messages/UserMessages.h"

// Swallows what the core would show: for benchmarks, which measure the work and not the telling.
class SilentMessages : public UserMessages {
public:
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring&) override {}
    void ShowMessage(const std::wstring&) override {}
};
