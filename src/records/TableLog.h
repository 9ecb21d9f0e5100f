#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "messages/Message.h"

// One entry of a reference table's change log.
struct TableLogEntry {
    size_t number = 0;   // its place in the log, from 1; 0 in an entry written before entries were numbered
    std::wstring utc;    // when, "2026-12-09T16:05:51Z"
    std::wstring local;  // the same in local time, "09.12.2026 19:05"
    std::wstring user;   // "analyst@LAB-PC"
    std::wstring program;
    std::wstring event;  // "журнал начат", "сохранено в модуле", "изменено вне модуля"
    std::wstring reason;  // what the user gave for a save or for an earlier entry; empty for the others
    size_t explains = 0;  // of an entry that gives the reason for an earlier one: that one's number; else 0
    std::vector<std::wstring> changes;  // what changed in the table's fields, as its versions show it
    // What the entry says besides, for a person: per chart the limits established, the save a reason is
    // given for. Not checked against the versions.
    std::vector<std::wstring> notes;
    std::string fileSha256;      // of the table after the event
    std::string previousSha256;  // of the entry before, as written; "—" for the first
    std::string text;            // the entry as the log holds it, UTF-8: what the next entry's digest covers
};

// Where a log stood when a report read its table: how many entries it held and the SHA-256 of the last
// one. A later log that no longer holds that entry there, in an unbroken chain, was rewritten.
struct TableLogHead {
    size_t entries = 0;
    std::string lastEntrySha256;
    std::wstring lastLocal;  // the last entry's local time, as a page shows it
};

// The change log of a reference table (the components table, a limits file): "NAME.log" beside
// "NAME", plain UTF-8 a person can read, one entry after another, each carrying the SHA-256 of the one
// before so that an entry removed or edited shows; and "NAME.versions", a folder that keeps each
// version of the table the program knew, named by its SHA-256.
class TableLog {
public:
    explicit TableLog(const std::wstring& tablePath);

    const std::wstring& Path() const { return path_; }

    // Every entry; none when there is no log.
    std::vector<TableLogEntry> ReadAll() const;
    // The last entry, read from the log's end; nothing when there is no log or no entry.
    std::optional<TableLogEntry> Last() const;
    // Where the log stands now; nothing when there is no log or no entry.
    std::optional<TableLogHead> Head() const;
    // Whether the log file is there at all.
    bool Exists() const;

    // Appends an entry made of the event, the reason, the changes, the table's digest, notes for a person and
    // the entry it gives the reason for (0: none), stamped with
    // the time, the user and computer, the program and the digest of the last entry. The stamped
    // entry, or nothing when the log could not be written.
    std::optional<TableLogEntry> Append(const std::wstring& event, const std::wstring& reason,
                                        const std::vector<std::wstring>& changes,
                                        const std::string& fileSha256,
                                        const std::vector<std::wstring>& notes = {}, size_t explains = 0);

    // Keeps a version of the table's bytes under their digest; false when it could not be kept.
    bool KeepVersion(const std::string& bytes, const std::string& sha256) const;
    // A version kept before; nothing when there is none.
    std::optional<std::string> Version(const std::string& sha256) const;
    // Whether the versions folder keeps any version.
    bool HasVersions() const;

private:
    std::wstring table_;
    std::wstring path_;
    std::wstring versions_;
};

// What a log's check found: intact, or the first entry (numbered from 1) at which it is not and why.
struct TableLogCheck {
    bool intact = true;
    size_t brokenEntry = 0;
    Message problem;
};

// Checks the chain of the entries and their numbers, and that the table's present digest (nothing when the
// table does not read) is the last entry's.
TableLogCheck CheckTableLog(const std::vector<TableLogEntry>& entries,
                            const std::optional<std::string>& tableSha256);

// Checks the log against the versions kept beside it: each entry's version is there and hashes to its
// name, and what each entry says changed is what changed between the version before it and its own. A
// table changed by hand and its checksum written into the last entry shows here.
TableLogCheck CheckTableVersions(const TableLog& log, const std::vector<TableLogEntry>& entries);

// Whether the log still holds, unbroken, the entry a report anchored: an entry at that place whose
// SHA-256 is the anchored one. Why not, otherwise.
TableLogCheck CheckLogHolds(const std::vector<TableLogEntry>& entries, const TableLogHead& anchored);

// The events of entries: a save in the program, a change found made outside it, control limits established
// in the QC file, the reason given afterwards for an earlier entry (which it names).
// Logs are written in Russian, whatever the language of the run.
extern const std::wstring kSavedInProgramEvent;
extern const std::wstring kChangedOutsideEvent;
extern const std::wstring kLimitsEstablishedEvent;
extern const std::wstring kReasonGivenEvent;

// The line an entry of a change made outside the program adds to its changes when the table is back at a
// version the program kept before: a version put back by hand, or an entry removed from the log.
extern const std::wstring kVersionSeenBefore;

// Whether a path is a reference table's change log ("NAME.log" beside "NAME", or a file that reads as such
// a log) or lies in a versions folder ("NAME.versions"): nothing but the log itself ever writes there.
bool IsTableLogPlace(const std::wstring& path);

// The entries of a log's text.
std::vector<TableLogEntry> ParseTableLog(const std::string& text);
