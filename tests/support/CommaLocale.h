#pragma once

#include <string>

// Switches the process to a locale whose decimal separator is a comma, as a Russian Windows has,
// and back at the end. Active() is false when the machine has no such locale.
class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool Active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};
