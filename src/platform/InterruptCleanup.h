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

// Holds off an interruption while it lives: what it guards (a series' files put in place together and
// recorded) is done whole, and the program ends right after. A process killed outright (SIGKILL, the task
// manager) is not held off; the next run completes what it left.
class InterruptsDeferred {
public:
    InterruptsDeferred();
    ~InterruptsDeferred();
    InterruptsDeferred(const InterruptsDeferred&) = delete;
    InterruptsDeferred& operator=(const InterruptsDeferred&) = delete;

private:
#ifndef _WIN32
    unsigned char previous_[128];  // the thread's signal mask before, a sigset_t
#endif
};
