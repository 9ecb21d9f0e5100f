#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>

#include "support/ScarceMemory.h"

namespace {

// The address space the process uses now, from /proc/self/statm (its first field, in pages).
size_t AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0;
    statm >> pages;
    return pages * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

// Only the soft limit is set, so that it can be raised again.
bool LimitAddressSpace(size_t limit) {
    rlimit scarce;
    if (getrlimit(RLIMIT_AS, &scarce) != 0) return false;
    scarce.rlim_cur = scarce.rlim_max == RLIM_INFINITY ? limit : std::min<rlim_t>(limit, scarce.rlim_max);
    return setrlimit(RLIMIT_AS, &scarce) == 0;
}

// The pieces taken from the heap, linked through their first bytes; kept where the compiler cannot
// prove them unused (it would drop the allocations). Never given back: the child ends without freeing.
void* volatile eaten = nullptr;

// Takes every piece malloc still has free, so that the limit alone decides what can be had.
void EatFreeHeap() {
#ifdef __GLIBC__
    // The heap then grows by what is asked for, not by 128 KiB more each time: the spare memory counts
    // to the page.
    mallopt(M_TOP_PAD, 0);
#endif
    for (size_t size = size_t{1} << 20; size >= sizeof(void*); size /= 2) {
        while (void* piece = std::malloc(size)) {
            *static_cast<void**>(piece) = eaten;
            eaten = piece;
        }
    }
}

void WriteAll(int descriptor, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(descriptor, text.data() + done, text.size() - done);
        if (written <= 0) return;
        done += static_cast<size_t>(written);
    }
}

// Maps the stack the body may need before the limit is set: a stack that has to grow under the limit
// ends the child with a segmentation fault, which is no shortage the code under test could handle.
__attribute__((noinline)) void TouchStack() {
    volatile char stack[512 * 1024];
    for (size_t i = 0; i < sizeof stack; i += 4096) stack[i] = 0;
}

[[noreturn]] void RunChild(int descriptor, size_t spare, const std::function<std::string()>& body) {
    rlimit original;
    getrlimit(RLIMIT_AS, &original);
    std::string failure;
    // What an escaping exception says, kept without allocating: memory is short.
    char escaped[256] = {};
    TouchStack();
    try {
        // Eating the heap cannot grow the address space once it is limited to what is in use.
        const size_t inUse = AddressSpaceInUse();
        if (!LimitAddressSpace(inUse)) {
            failure = "setrlimit failed";
        } else {
            EatFreeHeap();
            failure = LimitAddressSpace(inUse + spare) ? body() : "setrlimit failed";
        }
    } catch (const std::exception& error) {
        std::snprintf(escaped, sizeof escaped, "an exception left the body: %s", error.what());
    }
    setrlimit(RLIMIT_AS, &original);
    WriteAll(descriptor, escaped[0] != '\0' ? std::string(escaped) : failure);
    // No destructors, no exit handlers: they belong to the parent's copy of the state.
    _exit(0);
}

}  // namespace

std::string RunWithScarceMemory(size_t spare, const std::function<std::string()>& body) {
    int channel[2];
    if (pipe(channel) != 0) return "pipe failed";
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return "fork failed";
    if (child == 0) {
        close(channel[0]);
        RunChild(channel[1], spare, body);
    }
    close(channel[1]);
    std::string failure;
    char buffer[512];
    ssize_t got = 0;
    while ((got = read(channel[0], buffer, sizeof buffer)) > 0)
        failure.append(buffer, static_cast<size_t>(got));
    close(channel[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child) return "waitpid failed";
    if (WIFSIGNALED(status)) return "the body ended with signal " + std::to_string(WTERMSIG(status));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the body did not end normally";
    return failure;
}

bool CanMakeMemoryScarce() {
    return true;
}
