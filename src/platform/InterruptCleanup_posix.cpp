#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

#include "platform/InterruptCleanup.h"
#include "platform/WideText.h"

namespace {

constexpr int kSlots = 64;
constexpr size_t kPathBytes = 2048;

// A slot's path is written before it is marked used and read by the handler only while it is used.
struct Slot {
    std::atomic<bool> used{false};
    char path[kPathBytes];
};
Slot slots[kSlots];

extern "C" void RemoveAndDie(int signal) {
    for (Slot& slot : slots) {
        if (slot.used.load(std::memory_order_acquire)) unlink(slot.path);
    }
    ::signal(signal, SIG_DFL);
    raise(signal);
}

}  // namespace

void InstallInterruptCleanup() {
    struct sigaction action {};
    action.sa_handler = RemoveAndDie;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

RemovedOnInterrupt::RemovedOnInterrupt(const std::wstring& path) {
    const std::string bytes = ToUtf8(path);
    if (bytes.size() >= kPathBytes) return;
    for (int i = 0; i < kSlots; ++i) {
        if (slots[i].used.load(std::memory_order_acquire)) continue;
        std::memcpy(slots[i].path, bytes.c_str(), bytes.size() + 1);
        slots[i].used.store(true, std::memory_order_release);
        slot_ = i;
        return;
    }
}

InterruptsDeferred::InterruptsDeferred() {
    static_assert(sizeof(previous_) >= sizeof(sigset_t), "room for a signal mask");
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, reinterpret_cast<sigset_t*>(previous_));
}

// A signal that came meanwhile is delivered here, and its handler ends the program.
InterruptsDeferred::~InterruptsDeferred() {
    pthread_sigmask(SIG_SETMASK, reinterpret_cast<const sigset_t*>(previous_), nullptr);
}

RemovedOnInterrupt::~RemovedOnInterrupt() {
    if (slot_ >= 0) slots[slot_].used.store(false, std::memory_order_release);
}
