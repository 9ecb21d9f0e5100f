#include "HistoryCommand.h"

#include <cstdio>

#include "platform/ConsoleText.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"
#include "records/TableLog.h"

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
    TableLogCheck check = CheckTableLog(entries, Sha256OfFile(tablePath));
    if (check.intact) check = CheckTableVersions(log, entries);
    if (check.intact) {
        WriteConsoleText(stdout, L"Журнал цел: записей " + std::to_wstring(entries.size()) +
                                     L", файл таблицы совпадает с последней записью, каждая версия таблицы "
                                     L"сохранена и её изменения совпадают с записью.\n");
        return kExitSuccess;
    }
    WriteConsoleText(stdout, L"Журнал нарушен: запись " + std::to_wstring(check.brokenEntry) + L" — " +
                                 check.problem + L".\n");
    return kExitFailure;
}
