#include "platform/FolderLock.h"

#include <ctime>
#include <cwctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <system_error>
#include <thread>

#include "platform/FileSystemPath.h"
#include "platform/ReplaceFile.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"

namespace {

const char kBatchLine[] = "oxycalc: папка занята пакетным расчётом";
const char kRegisterLine[] = "oxycalc: реестр отчётов занят записью";

// A lock file left empty or half made is its maker's for this long at most: writing a few bytes takes
// far less, so an older one was left by a process that died as it made it.
constexpr auto kMakingTime = std::chrono::seconds(10);
constexpr auto kPause = std::chrono::milliseconds(250);

std::string Content(const char* firstLine, const FolderLockHolder& holder) {
    return std::string(firstLine) + "\npid " + std::to_string(holder.pid) + "\nstart " + holder.start +
           "\nwho " + ToUtf8(holder.who) + "\nsince " + std::to_string(holder.since) + "\n";
}

std::optional<FolderLockHolder> Parse(const char* firstLine, const std::string& bytes) {
    std::istringstream lines(bytes);
    std::string line;
    if (!std::getline(lines, line) || line != firstLine) return std::nullopt;
    std::map<std::string, std::string> values;
    while (std::getline(lines, line)) {
        const size_t blank = line.find(' ');
        if (blank != std::string::npos) values[line.substr(0, blank)] = line.substr(blank + 1);
    }
    for (const char* key : {"pid", "start", "who", "since"}) {
        if (values.count(key) == 0) return std::nullopt;
    }
    FolderLockHolder holder;
    try {
        holder.pid = std::stoll(values["pid"]);
        holder.since = std::stoll(values["since"]);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    holder.start = values["start"];
    holder.who = FromUtf8(values["who"]);
    return holder.pid > 0 ? std::optional<FolderLockHolder>(holder) : std::nullopt;
}

bool SameComputer(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::towupper(a[i]) != std::towupper(b[i])) return false;
    }
    return true;
}

// Whether the file was last written longer ago than a maker needs to write it.
bool OlderThanMaking(const std::wstring& path) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(ToFileSystemPath(path), error);
    return !error && std::filesystem::file_time_type::clock::now() - written > kMakingTime;
}

}  // namespace

std::wstring FolderLockHolder::Computer() const {
    const size_t at = who.rfind(L'@');
    return at == std::wstring::npos ? std::wstring() : who.substr(at + 1);
}

FolderLock::FolderLock(const std::wstring& folder, Purpose purpose)
    : path_(JoinPath(folder, purpose == Purpose::Register ? kRegisterFileName : kFileName)),
      firstLine_(purpose == Purpose::Register ? kRegisterLine : kBatchLine),
      me_(ThisProcess()) {}

FolderLock::~FolderLock() {
    if (StillHeld()) RemoveFile(path_);
}

FolderLock::State FolderLock::Take(std::chrono::milliseconds wait,
                                   const std::function<void(const FolderLockHolder&)>& waiting) {
    const auto end = std::chrono::steady_clock::now() + wait;
    bool told = false;
    for (;;) {
        const State state = TryOnce();
        if (state != State::Held || std::chrono::steady_clock::now() >= end) return state;
        if (!told && waiting) waiting(holder_);
        told = true;
        std::this_thread::sleep_for(kPause);
    }
}

bool FolderLock::StillHeld() const {
    return taken_ && ReadFileBytes(path_) == content_;
}

bool FolderLock::HolderElsewhere() const {
    return !holder_.who.empty() && !SameComputer(holder_.Computer(), me_.Computer());
}

FolderLock::State FolderLock::TryOnce() {
    holder_ = FolderLockHolder();
    me_.since = static_cast<int64_t>(std::time(nullptr));
    content_ = Content(firstLine_, me_);
    // A stale lock taken over is followed by one more try at once; another process may be quicker.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (MakeNew(path_, content_, why_)) {
            case Made::Made:
                taken_ = true;
                return State::Taken;
            case Made::Failed:
                return State::Failed;
            case Made::Exists:
                break;
        }
        const std::optional<std::string> bytes = ReadFileBytes(path_);
        if (!bytes) continue;  // given back between the two steps
        const std::optional<FolderLockHolder> holder = Parse(firstLine_, *bytes);
        if (holder) holder_ = *holder;
        if (!Stale(holder) || !TakeOver(*bytes)) return State::Held;
    }
    return State::Held;
}

bool FolderLock::Stale(const std::optional<FolderLockHolder>& holder) const {
    if (!holder) return OlderThanMaking(path_);
    return SameComputer(holder->Computer(), me_.Computer()) && ProcessGone(*holder);
}

// The stale file is moved aside under a name of this process's own before it is removed: of two
// processes that found it stale only one moves it. What was moved aside is checked to be the stale
// file; a fresh one taken by mistake goes back unless yet another lock stands in its place (its holder
// then finds it lost before it writes anything more).
bool FolderLock::TakeOver(const std::string& staleBytes) {
    const std::wstring aside = path_ + L".stale-" + std::to_wstring(me_.pid);
    if (!ReplaceFileWith(aside, path_)) return false;
    if (ReadFileBytes(aside) == staleBytes) {
        RemoveFile(aside);
        return true;
    }
    if (!MoveIfAbsent(aside, path_)) RemoveFile(aside);
    return false;
}
