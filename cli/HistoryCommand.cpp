#include "HistoryCommand.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "ConsoleMessages.h"
#include "platform/ConsoleText.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"
#include "records/LogEntryText.h"
#include "records/ReferenceTable.h"
#include "records/TableLog.h"

namespace {

TableLogCheck CheckWhole(const TableLog& log, const std::vector<TableLogEntry>& entries,
                         const std::wstring& tablePath) {
    TableLogCheck check = CheckTableLog(entries, Sha256OfFile(tablePath));
    if (check.intact) check = CheckTableVersions(log, entries);
    return check;
}

bool TakesReason(const TableLogEntry& entry) {
    return entry.event == kSavedInProgramEvent || entry.event == kChangedOutsideEvent;
}

// The saves in the program that neither carry a reason nor got one later, by number.
std::vector<size_t> SavesWithoutReason(const std::vector<TableLogEntry>& entries) {
    std::vector<size_t> without;
    for (const TableLogEntry& entry : entries) {
        if (entry.event != kSavedInProgramEvent || !entry.reason.empty()) continue;
        const bool given = std::any_of(entries.begin(), entries.end(), [&entry](const TableLogEntry& later) {
            return later.event == kReasonGivenEvent && later.explains == entry.number;
        });
        if (!given) without.push_back(entry.number);
    }
    return without;
}

std::wstring Numbers(const std::vector<size_t>& numbers) {
    std::wstring text;
    for (const size_t number : numbers) text += (text.empty() ? L"" : L", ") + std::to_wstring(number);
    return text;
}

// The entry numbered so, or without a number the newest save in the program; nothing when there is none.
const TableLogEntry* Target(const std::vector<TableLogEntry>& entries, std::optional<size_t> number) {
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (number ? entry->number == *number : entry->event == kSavedInProgramEvent) return &*entry;
    }
    return nullptr;
}

// What the chain cannot hold: nothing after the last entry carries its digest.
Message Unanchored(const TableLogEntry& last) {
    return Message(MessageCode::HistoryUnanchored, {static_cast<int64_t>(last.number), last.local});
}

void Print(FILE* stream, const Message& message, Language language) {
    WriteConsoleText(stream, Render(message, language) + L"\n");
}

}  // namespace

ExitCode RunHistory(const std::wstring& tablePath, Language language) {
    const TableLog log(tablePath);
    const std::vector<TableLogEntry> entries = log.ReadAll();
    if (entries.empty()) {
        WriteCliLine(stderr, Message(MessageCode::HistoryNoLog, {log.Path()}), language);
        return kExitUsage;
    }
    std::wstring text;
    for (const TableLogEntry& entry : entries) text += LogEntryText(entry, language);
    WriteConsoleText(stdout, text);
    const TableLogCheck check = CheckWhole(log, entries, tablePath);
    if (!check.intact) {
        Print(stdout,
              Message(MessageCode::HistoryLogBroken,
                      {static_cast<int64_t>(check.brokenEntry), Nested(check.problem)}),
              language);
        return kExitFailure;
    }
    Print(stdout, Message(MessageCode::HistoryLogIntact, {static_cast<int64_t>(entries.size())}), language);
    const std::vector<size_t> without = SavesWithoutReason(entries);
    if (!without.empty())
        Print(stdout, Message(MessageCode::HistorySavesWithoutReason, {Numbers(without)}), language);
    Print(stdout, Unanchored(entries.back()), language);
    return kExitSuccess;
}

ExitCode GiveReason(const std::wstring& tablePath, const std::wstring& reason, std::optional<size_t> entry,
                    Language language) {
    TableLog log(tablePath);
    if (!log.Exists()) {
        WriteCliLine(stderr, Message(MessageCode::HistoryNoLogFile, {log.Path()}), language);
        return kExitUsage;
    }
    // A change made outside since the last entry is logged first, as at every read: the reason names an
    // entry of a log that is whole up to now.
    TrackReferenceTable(tablePath);
    const std::vector<TableLogEntry> entries = log.ReadAll();
    const TableLogCheck check = CheckWhole(log, entries, tablePath);
    if (!check.intact) {
        WriteCliLine(stderr,
                     Message(MessageCode::HistoryReasonNotWrittenBroken,
                             {static_cast<int64_t>(check.brokenEntry), Nested(check.problem)}),
                     language);
        return kExitFailure;
    }
    const TableLogEntry* target = Target(entries, entry);
    if (target == nullptr || !TakesReason(*target)) {
        WriteCliLine(stderr,
                     target != nullptr
                         ? Message(MessageCode::HistoryNotASave, {static_cast<int64_t>(target->number)})
                     : entry ? Message(MessageCode::HistoryNoSuchEntry, {static_cast<int64_t>(*entry)})
                             : Message(MessageCode::HistoryNoSave),
                     language);
        return kExitUsage;
    }
    // Logs are written in Russian, whatever the language of the run.
    const std::wstring note =
        Render(Message(MessageCode::LogReasonFor,
                       {static_cast<int64_t>(target->number), target->event, target->local, target->user}),
               Language::Russian);
    const std::optional<TableLogEntry> written =
        log.Append(kReasonGivenEvent, reason, {}, entries.back().fileSha256, {note}, target->number);
    if (!written) {
        WriteCliLine(stderr, Message(MessageCode::HistoryLogNotWritten, {log.Path()}), language);
        return kExitFailure;
    }
    WriteConsoleText(stdout, LogEntryText(*written, language));
    return kExitSuccess;
}
