#pragma once

#include <string>

#include "messages/UserMessages.h"

// Reasons why a run, though it went to its end, did not use everything it was given: each is told
// where the user reads (a command line's standard error), and any one makes the exit code 1.
class Shortfalls {
public:
    explicit Shortfalls(UserMessages& messages) : messages_(messages) {}
    void Add(const Message& reason) {
        messages_.ShowError(reason);
        any_ = true;
    }
    bool Any() const { return any_; }

private:
    UserMessages& messages_;
    bool any_ = false;
};
