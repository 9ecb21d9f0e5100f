#include "records/ReferenceTable.h"

#include <optional>

#include "messages/Catalogue.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "records/TableChanges.h"
#include "records/TableLog.h"

namespace {

// The starts of what an entry of a new default table says, in Russian as every log.
const std::wstring kNewDefaultTable =
    Render(Message(MessageCode::LogEventNewDefault, {L""}), Language::Russian);
const std::wstring kDefaultSha256 = Render(Message(MessageCode::LogDefaultSha256, {L""}), Language::Russian);

void SetHead(TableVersion& version, const TableLog& log) {
    const std::optional<TableLogHead> head = log.Head();
    if (!head) return;
    version.logEntries = head->entries;
    version.logLastEntrySha256 = head->lastEntrySha256;
}

// Why the log cannot be trusted as it stands, or empty: its last entry names a version of the table
// that is not kept (the entry was edited to hide a change by hand, or the version could not be kept).
Message LastEntryProblem(const TableLog& log, const TableLogEntry& last) {
    const std::optional<std::string> kept = log.Version(last.fileSha256);
    if (kept && Sha256Hex(*kept) == last.fileSha256) return {};
    return MessageCode::LogVersionNotKept;
}

// The log's last entry after LogUnknownVersion, and whether it stands for a version that is not kept.
struct LoggedVersion {
    std::optional<TableLogEntry> last;
    bool unbacked = false;
};

// Logs the bytes as the table's present version when the log does not know them yet: starts a log (anew,
// saying so, when versions are kept but the log is gone) or logs a change made outside the program.
LoggedVersion LogUnknownVersion(TableLog& log, const std::string& bytes, const std::string& sha,
                                TableTracking& tracking) {
    std::optional<TableLogEntry> last = log.Last();
    if (last && last->fileSha256 == sha) {
        tracking.logProblem = LastEntryProblem(log, *last);
        return {last, !tracking.logProblem.Empty()};
    }
    std::vector<std::wstring> changes;
    std::wstring event = Render(MessageCode::LogEventStarted, Language::Russian);
    if (last) {
        event = kChangedOutsideEvent;
        const std::optional<std::string> known = log.Version(last->fileSha256);
        changes = known
                      ? DescribeTableChanges(*known, bytes)
                      : std::vector<std::wstring>{Render(MessageCode::LogPreviousNotKept, Language::Russian)};
        if (log.Version(sha)) changes.push_back(kVersionSeenBefore);
        tracking.changedOutside = true;
    } else if (log.HasVersions()) {
        event = Render(MessageCode::LogEventStartedAnew, Language::Russian);
        changes.push_back(Render(MessageCode::LogBegunAnew, Language::Russian));
        tracking.logProblem = MessageCode::LogRemoved;
    }
    const std::optional<TableLogEntry> logged = log.Append(event, L"", changes, sha);
    tracking.logUnwritable = !logged;
    return {logged ? logged : last, false};
}

}  // namespace

TableTracking TrackReferenceTable(const std::wstring& path) {
    TableTracking tracking;
    const std::optional<std::string> bytes = path.empty() ? std::nullopt : ReadFileBytes(path);
    if (!bytes) return tracking;
    const std::string sha = Sha256Hex(*bytes);
    tracking.version.sha256 = sha;
    TableLog log(path);
    const LoggedVersion logged = LogUnknownVersion(log, *bytes, sha, tracking);
    // A version an entry names but that is not kept is not kept now either: the entry may have been edited
    // to hide a change by hand, and the warning stays until the table is saved in the program.
    if (!logged.unbacked) tracking.logUnwritable = !log.KeepVersion(*bytes, sha) || tracking.logUnwritable;
    const std::optional<TableLogEntry>& last = logged.last;
    if (last && last->fileSha256 == sha) {
        tracking.version.loggedAt = last->local;
        SetHead(tracking.version, log);
    }
    return tracking;
}

TableVersion ReadTableVersion(const std::wstring& path) {
    TableVersion version;
    const std::optional<std::string> sha = Sha256OfFile(path);
    if (!sha) return version;
    version.sha256 = *sha;
    const TableLog log(path);
    if (const std::optional<TableLogEntry> last = log.Last()) version.loggedAt = last->local;
    SetHead(version, log);
    return version;
}

bool LogTableSave(const std::wstring& path, const std::string& before, const std::wstring& reason) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return false;
    const std::string sha = Sha256Hex(*bytes);
    TableLog log(path);
    // The version before is logged and kept first: a change made outside since the last read is not
    // folded into the save, and a table saved before it was ever logged still shows its changes.
    TableTracking beforeSave;
    LogUnknownVersion(log, before, Sha256Hex(before), beforeSave);
    const bool keptBefore = log.KeepVersion(before, Sha256Hex(before));
    const bool logged =
        log.Append(kSavedInProgramEvent, reason, DescribeTableChanges(before, *bytes), sha).has_value();
    return log.KeepVersion(*bytes, sha) && logged && keptBefore && !beforeSave.logUnwritable;
}

DefaultTableLogging LogNewDefaultTable(const std::wstring& path, const std::wstring& defaultName,
                                       const std::string& defaultSha256,
                                       const std::vector<std::wstring>& differences, TableVersion& version) {
    // A table that did not read has no version for an entry to name: said, not logged.
    if (version.sha256.empty()) return {true, false};
    TableLog log(path);
    const std::wstring shaLine = kDefaultSha256 + FromUtf8(defaultSha256);
    // The latest entry of this default, from the end, and whether a save in the program came after it.
    const std::vector<TableLogEntry> entries = log.ReadAll();
    bool answered = false;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (entry->event == kSavedInProgramEvent) answered = true;
        const bool ofThisDefault = entry->event.rfind(kNewDefaultTable, 0) == 0 && !entry->changes.empty() &&
                                   entry->changes.front() == shaLine;
        if (ofThisDefault) return {!answered, false};
    }
    std::vector<std::wstring> changes{shaLine};
    changes.insert(changes.end(), differences.begin(), differences.end());
    const std::optional<TableLogEntry> logged =
        log.Append(kNewDefaultTable + defaultName, L"", changes, version.sha256);
    if (!logged) return {true, false};
    version.loggedAt = logged->local;
    version.logEntries = logged->number;
    version.logLastEntrySha256 = Sha256Hex(logged->text);
    return {true, true};
}
