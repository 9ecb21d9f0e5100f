#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "messages/Message.h"
#include "register/RegisterEntry.h"

// What reading a register found: how far it holds, and where it ends.
struct RegisterRead {
    bool exists = false;
    // Why the register cannot be relied on (it does not read, an entry does not continue the one before,
    // is out of its place or gives a counter out of turn); empty when it holds.
    Message problem;
    size_t brokenEntry = 0;              // the entry the problem is at, from 1; 0 for the file as a whole
    size_t entries = 0;                  // whole entries read, up to the first that does not hold
    std::optional<RegisterEntry> first;  // the entry that began it
    std::optional<RegisterEntry> last;   // the last whole entry
    uint64_t counter = 0;                // the counter the last number was given with (its start before any)
    int64_t wholeBytes = 0;              // where the last whole entry ends
    // Bytes after it that begin an entry but do not end one: an append cut short (a process killed, power
    // lost) that never took effect.
    bool tornTail = false;

    bool Holds() const { return exists && problem.Empty(); }
};

// The register of issued reports as a file: entries appended one after another, each carrying the SHA-256 of
// the one before, read in pieces so that a register of years is never held in memory whole.
class RegisterFile {
public:
    explicit RegisterFile(std::wstring path) : path_(std::move(path)) {}

    const std::wstring& Path() const { return path_; }
    bool Exists() const;

    // Reads every entry from the start, giving each that holds to `visit` in turn, and stops at the first
    // that does not.
    RegisterRead Read(const std::function<void(const RegisterEntry&)>& visit = nullptr) const;

    // Begins a register: its first entry, with the pattern and the counter before the first number. False,
    // with the system's reason, when there is a file at the place or it cannot be written.
    bool Create(RegisterEntry first, std::wstring& why) const;

    // Appends an entry after `read`'s last, stamped with its place and that entry's digest; the entry as
    // written, or nothing (with the system's reason) when it could not be written whole.
    std::optional<RegisterEntry> Append(RegisterEntry entry, const RegisterRead& read,
                                        std::wstring& why) const;

    // Cuts off an append cut short: the bytes after the last whole entry, which never took effect.
    bool CutTornTail(const RegisterRead& read, std::wstring& why) const;

private:
    std::wstring path_;
};

// Whether a file reads as a register (its first entry began one).
bool ReadsAsRegister(const std::wstring& path);
