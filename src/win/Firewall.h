#pragma once

#include <windows.h>

#include <exception>
#include <string>

// Where a C++ exception meets foreign frames (an export, a window procedure, a host callback) it stops
// here: the user is told and the caller gets a defined value. Nothing unwinds through Win32 or the host.
void ReportEscapedException(const char* where, const std::exception* error) noexcept;

template <typename Result, typename Body>
Result Firewall(const char* where, Result fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& error) {
        ReportEscapedException(where, &error);
    } catch (...) {
        ReportEscapedException(where, nullptr);
    }
    return fallback;
}
