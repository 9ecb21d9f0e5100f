#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Who holds a folder's lock, as its lock file names them.
struct FolderLockHolder {
    int64_t pid = 0;
    // When the process started, as the system tells it: a process id used again by another process is
    // not taken for the holder. Empty where the system does not tell.
    std::string start;
    std::wstring who;   // "user@computer"
    int64_t since = 0;  // when it took the lock, seconds since 1970 (UTC)

    // The computer part of `who`.
    std::wstring Computer() const;
};

// A folder worked in by one process at a time: a lock file in the folder names the process that holds
// it, with its user, computer and since when. The lock of a process that is gone (on this computer, by its
// id and start) is stale and taken over; so is a lock file left empty by a process that died as it made
// it. A lock made on another computer cannot be checked: it holds until its process gives it back or
// someone removes the file.
class FolderLock {
public:
    static constexpr const wchar_t* kFileName = L"oxycalc-batch.lock";
    // The register of issued reports is held apart from a batch working in the same folder: an issue
    // within a batch takes both.
    static constexpr const wchar_t* kRegisterFileName = L"oxycalc-register.lock";
    // What the folder is held for: a batch's run, or an entry of the register of issued reports.
    enum class Purpose { Batch, Register };
    enum class State {
        Taken,   // this process holds the folder
        Held,    // another process does (Holder() says who)
        Failed,  // the lock file could not be made (Why() says why)
    };

    explicit FolderLock(const std::wstring& folder, Purpose purpose = Purpose::Batch);
    // Gives the lock back when this process still holds it.
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the lock, trying again now and then while another process holds it, for at most `wait`;
    // `waiting` is called once, with the holder, when it has to wait.
    State Take(std::chrono::milliseconds wait,
               const std::function<void(const FolderLockHolder&)>& waiting = nullptr);
    // Whether the lock file still names this process: nobody took the lock over.
    bool StillHeld() const;

    const std::wstring& Path() const { return path_; }
    // Of the last Take that found the folder held; `who` is empty for a lock file that names nobody yet.
    const FolderLockHolder& Holder() const { return holder_; }
    // Whether that holder runs on another computer, so that its life could not be checked.
    bool HolderElsewhere() const;
    const std::wstring& Why() const { return why_; }

private:
    enum class Made { Made, Exists, Failed };

    State TryOnce();
    bool Stale(const std::optional<FolderLockHolder>& holder) const;
    bool TakeOver(const std::string& staleBytes);

    // The platform's halves (FolderLock_posix.cpp, FolderLock_win.cpp).
    static FolderLockHolder ThisProcess();
    // Whether the holder's process has surely ended; false when it runs or cannot be checked.
    static bool ProcessGone(const FolderLockHolder& holder);
    // Makes the file with these bytes unless one is there already.
    static Made MakeNew(const std::wstring& path, const std::string& bytes, std::wstring& why);
    // Moves a file to a name no file bears; false, leaving both, when one does.
    static bool MoveIfAbsent(const std::wstring& from, const std::wstring& to);

    std::wstring path_;
    const char* firstLine_;  // what the lock file says it is, in its first line
    FolderLockHolder me_;    // this process, as its lock file names it
    std::string content_;    // what this process wrote into the lock file
    bool taken_ = false;
    FolderLockHolder holder_;
    std::wstring why_;
};
