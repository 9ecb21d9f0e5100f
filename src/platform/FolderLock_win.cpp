#include <windows.h>

#include <ctime>
#include <memory>
#include <string>

#include "platform/FolderLock.h"
#include "platform/SystemErrorText.h"
#include "platform/UserIdentity.h"

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using ProcessHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// The process's creation time in 100 ns steps since 1601: a process id used again gives another.
std::string CreationOf(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return std::string();
    return std::to_string((static_cast<unsigned long long>(created.dwHighDateTime) << 32) |
                          created.dwLowDateTime);
}

}  // namespace

FolderLockHolder FolderLock::ThisProcess() {
    FolderLockHolder me;
    me.pid = static_cast<int64_t>(GetCurrentProcessId());
    me.start = CreationOf(GetCurrentProcess());
    me.who = UserAtComputer();
    me.since = static_cast<int64_t>(std::time(nullptr));
    return me;
}

bool FolderLock::ProcessGone(const FolderLockHolder& holder) {
    if (holder.pid <= 0 || holder.pid > 0xFFFFFFFFll) return true;
    const ProcessHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(holder.pid)));
    // Access denied: it runs, as another user.
    if (!process) return GetLastError() == ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    if (GetExitCodeProcess(process.get(), &code) && code != STILL_ACTIVE) return true;
    if (holder.start.empty()) return false;
    const std::string now = CreationOf(process.get());
    return !now.empty() && now != holder.start;
}

FolderLock::Made FolderLock::MakeNew(const std::wstring& path, const std::string& bytes, std::wstring& why) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) return Made::Exists;
        why = SystemErrorText(code);
        return Made::Failed;
    }
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                       written == bytes.size();
    const DWORD code = GetLastError();
    if (CloseHandle(file) && whole) return Made::Made;
    why = SystemErrorText(whole ? GetLastError() : code);
    DeleteFileW(path.c_str());
    return Made::Failed;
}

bool FolderLock::MoveIfAbsent(const std::wstring& from, const std::wstring& to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the target is there.
    return MoveFileExW(from.c_str(), to.c_str(), 0) != 0;
}
