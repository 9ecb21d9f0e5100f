#include "HistoryCommand.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/ConsoleText.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"
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
std::wstring Unanchored(const TableLogEntry& last) {
    return L"Запись " + std::to_wstring(last.number) + L" (" + last.local +
           L") — последняя: ни одна запись журнала её не закрепляет, и её можно переписать так, что журнал "
           L"останется цел. Её закрепляет только отчёт, сделанный после неё: verify такого отчёта найдёт "
           L"подмену. Записи после той, на которую указывает последний отчёт, не закреплены ничем.\n";
}

}  // namespace

ExitCode RunHistory(const std::wstring& tablePath) {
    const TableLog log(tablePath);
    const std::vector<TableLogEntry> entries = log.ReadAll();
    if (entries.empty()) {
        WriteConsoleText(stderr, L"oxycalc-cli: журнала изменений «" + log.Path() + L"» нет или он пуст\n");
        return kExitUsage;
    }
    std::wstring text;
    for (const TableLogEntry& entry : entries) text += FromUtf8(entry.text);
    WriteConsoleText(stdout, text);
    const TableLogCheck check = CheckWhole(log, entries, tablePath);
    if (!check.intact) {
        WriteConsoleText(stdout, L"Журнал нарушен: запись " + std::to_wstring(check.brokenEntry) + L" — " +
                                     check.problem + L".\n");
        return kExitFailure;
    }
    std::wstring summary =
        L"Журнал цел: записей " + std::to_wstring(entries.size()) +
        L", файл таблицы совпадает с последней записью, каждая версия таблицы сохранена и её "
        L"изменения совпадают с записью.\n";
    const std::vector<size_t> without = SavesWithoutReason(entries);
    if (!without.empty())
        summary += L"Сохранения без причины: записи " + Numbers(without) +
                   L" (причину записывает oxycalc-cli history ФАЙЛ --reason \"…\" --entry N).\n";
    WriteConsoleText(stdout, summary + Unanchored(entries.back()));
    return kExitSuccess;
}

ExitCode GiveReason(const std::wstring& tablePath, const std::wstring& reason, std::optional<size_t> entry) {
    TableLog log(tablePath);
    if (!log.Exists()) {
        WriteConsoleText(stderr, L"oxycalc-cli: журнала изменений «" + log.Path() + L"» нет\n");
        return kExitUsage;
    }
    // A change made outside since the last entry is logged first, as at every read: the reason names an
    // entry of a log that is whole up to now.
    TrackReferenceTable(tablePath);
    const std::vector<TableLogEntry> entries = log.ReadAll();
    const TableLogCheck check = CheckWhole(log, entries, tablePath);
    if (!check.intact) {
        WriteConsoleText(stderr, L"oxycalc-cli: журнал нарушен (запись " +
                                     std::to_wstring(check.brokenEntry) + L" — " + check.problem +
                                     L"): причина не записана\n");
        return kExitFailure;
    }
    const TableLogEntry* target = Target(entries, entry);
    if (target == nullptr || !TakesReason(*target)) {
        WriteConsoleText(stderr, std::wstring(L"oxycalc-cli: ") +
                                     (target != nullptr ? L"запись " + std::to_wstring(target->number) +
                                                              L" — не сохранение и не изменение таблицы"
                                      : entry ? L"записи " + std::to_wstring(*entry) + L" в журнале нет"
                                              : L"в журнале нет сохранения в модуле") +
                                     L": причина не записана\n");
        return kExitUsage;
    }
    const std::wstring note = L"причина к записи " + std::to_wstring(target->number) + L" (" + target->event +
                              L", " + target->local + L", " + target->user + L")";
    const std::optional<TableLogEntry> written =
        log.Append(kReasonGivenEvent, reason, {}, entries.back().fileSha256, {note}, target->number);
    if (!written) {
        WriteConsoleText(stderr, L"oxycalc-cli: журнал изменений «" + log.Path() + L"» не записан\n");
        return kExitFailure;
    }
    WriteConsoleText(stdout, FromUtf8(written->text));
    return kExitSuccess;
}
