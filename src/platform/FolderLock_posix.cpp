#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>

#include "platform/FileSystemPath.h"
#include "platform/FolderLock.h"
#include "platform/SystemErrorText.h"
#include "platform/UserIdentity.h"
#include "platform/WideText.h"

namespace {

std::string FirstLine(const char* path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

// Where Linux tells it: the boot and the process's start in clock ticks since the boot. A process id
// used again, also after a restart, gives another text.
std::string StartOf(int64_t pid) {
    const std::string boot = FirstLine("/proc/sys/kernel/random/boot_id");
    const std::string stat = FirstLine(("/proc/" + std::to_string(pid) + "/stat").c_str());
    // The command's name in parentheses may hold blanks; the fields after it are numbers.
    const size_t name = stat.rfind(')');
    if (boot.empty() || name == std::string::npos) return std::string();
    std::istringstream fields(stat.substr(name + 1));
    std::string field;
    // starttime is field 22 of the line; the state after the name is field 3.
    for (int number = 3; number <= 22 && fields >> field; ++number) {
        if (number == 22) return boot + ":" + field;
    }
    return std::string();
}

}  // namespace

FolderLockHolder FolderLock::ThisProcess() {
    FolderLockHolder me;
    me.pid = static_cast<int64_t>(getpid());
    me.start = StartOf(me.pid);
    me.who = UserAtComputer();
    me.since = static_cast<int64_t>(std::time(nullptr));
    return me;
}

bool FolderLock::ProcessGone(const FolderLockHolder& holder) {
    const auto pid = static_cast<pid_t>(holder.pid);
    if (pid <= 0 || static_cast<int64_t>(pid) != holder.pid) return true;
    // EPERM: it runs, as another user.
    if (kill(pid, 0) != 0 && errno == ESRCH) return true;
    if (holder.start.empty()) return false;
    const std::string now = StartOf(holder.pid);
    return !now.empty() && now != holder.start;
}

FolderLock::Made FolderLock::MakeNew(const std::wstring& path, const std::string& bytes, std::wstring& why) {
    const std::string name = ToUtf8(path);
    const int descriptor = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        if (errno == EEXIST) return Made::Exists;
        why = SystemErrorText(errno);
        return Made::Failed;
    }
    const bool written = write(descriptor, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    const int code = errno;
    if (close(descriptor) == 0 && written) return Made::Made;
    why = SystemErrorText(written ? errno : code);
    unlink(name.c_str());
    return Made::Failed;
}

bool FolderLock::MoveIfAbsent(const std::wstring& from, const std::wstring& to) {
    const std::string source = ToUtf8(from);
    const std::string target = ToUtf8(to);
    if (link(source.c_str(), target.c_str()) == 0) {
        unlink(source.c_str());
        return true;
    }
    // A file system without hard links: a look first, then the move.
    if (errno == EEXIST || FileExists(to)) return false;
    return std::rename(source.c_str(), target.c_str()) == 0;
}
