#pragma once

#include <string>

// Files to remove when the program is interrupted (Ctrl+C, SIGINT, SIGTERM; a closed console window on
// Windows), so that a run's temporary files never outlive it. At most 64 are kept at a time.

// Installs the handlers, once, at the start of a program.
void InstallInterruptCleanup();

// Keeps a file on the list for as long as it lives; a file that does not fit is not removed.
class RemovedOnInterrupt {
public:
    explicit RemovedOnInterrupt(const std::wstring& path);
    ~RemovedOnInterrupt();
    RemovedOnInterrupt(const RemovedOnInterrupt&) = delete;
    RemovedOnInterrupt& operator=(const RemovedOnInterrupt&) = delete;

private:
    int slot_ = -1;
};
