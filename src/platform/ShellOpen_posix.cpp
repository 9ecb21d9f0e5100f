#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/ShellOpen.h"
#include "platform/WideText.h"

namespace {

// The full path of a program found along PATH; empty when there is none.
std::string FindProgram(const std::string& name) {
    const char* variable = std::getenv("PATH");
    const std::string path = variable != nullptr ? variable : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find(':', start), path.size());
        const std::string folder = end > start ? path.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return std::string();
}

}  // namespace

void OpenWithShell(const std::wstring& path) {
    const std::string program = FindProgram("xdg-open");
    if (program.empty()) return;
    const std::string file = ToUtf8(path);
    // Started from a grandchild that nobody waits for: some xdg-open hand-offs run as long as the
    // viewer does, and no zombie is left behind. Only exec and _exit run after fork.
    const pid_t child = fork();
    if (child == 0) {
        if (fork() == 0) {
            execl(program.c_str(), program.c_str(), file.c_str(), static_cast<char*>(nullptr));
        }
        _exit(0);
    }
    if (child > 0) waitpid(child, nullptr, 0);
}
