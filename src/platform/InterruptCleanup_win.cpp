#include <windows.h>

#include <atomic>
#include <cwchar>

#include "platform/InterruptCleanup.h"

namespace {

constexpr int kSlots = 64;
constexpr size_t kPathCharacters = 1024;

// A slot's path is written before it is marked used and read by the handler only while it is used.
struct Slot {
    std::atomic<bool> used{false};
    wchar_t path[kPathCharacters];
};
Slot slots[kSlots];

// How many InterruptsDeferred live; the handler waits for them, up to what Windows gives a closing console.
std::atomic<int> deferred{0};
constexpr DWORD kLongestDeferral = 4000;

// Windows calls this on a thread of its own; returning FALSE lets the default handler end the program.
BOOL WINAPI RemoveAndEnd(DWORD) {
    for (DWORD waited = 0; deferred.load() > 0 && waited < kLongestDeferral; waited += 20) Sleep(20);
    for (Slot& slot : slots) {
        if (slot.used.load(std::memory_order_acquire)) DeleteFileW(slot.path);
    }
    return FALSE;
}

}  // namespace

void InstallInterruptCleanup() {
    SetConsoleCtrlHandler(RemoveAndEnd, TRUE);
}

RemovedOnInterrupt::RemovedOnInterrupt(const std::wstring& path) {
    if (path.size() >= kPathCharacters) return;
    for (int i = 0; i < kSlots; ++i) {
        if (slots[i].used.load(std::memory_order_acquire)) continue;
        std::wmemcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].used.store(true, std::memory_order_release);
        slot_ = i;
        return;
    }
}

InterruptsDeferred::InterruptsDeferred() {
    ++deferred;
}

InterruptsDeferred::~InterruptsDeferred() {
    --deferred;
}

RemovedOnInterrupt::~RemovedOnInterrupt() {
    if (slot_ >= 0) slots[slot_].used.store(false, std::memory_order_release);
}
