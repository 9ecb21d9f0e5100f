#include "calc/ReferenceTable.h"

#include <optional>

#include "calc/TableChanges.h"
#include "calc/TableLog.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"

TableTracking TrackReferenceTable(const std::wstring& path) {
    TableTracking tracking;
    const std::optional<std::string> bytes = path.empty() ? std::nullopt : ReadFileBytes(path);
    if (!bytes) return tracking;
    const std::string sha = Sha256Hex(*bytes);
    tracking.version.sha256 = sha;
    TableLog log(path);
    std::optional<TableLogEntry> last = log.Last();
    if (!last || last->fileSha256 != sha) {
        std::vector<std::wstring> changes;
        if (last) {
            const std::optional<std::string> known = log.Version(last->fileSha256);
            changes = known ? DescribeTableChanges(*known, *bytes)
                            : std::vector<std::wstring>{L"прежняя версия не сохранена: различия не показаны"};
        }
        tracking.changedOutside = last.has_value();
        const std::optional<TableLogEntry> logged =
            log.Append(last ? L"изменено вне модуля" : L"журнал начат", L"", changes, sha);
        tracking.logUnwritable = !logged;
        if (logged) last = logged;
    }
    tracking.logUnwritable = !log.KeepVersion(*bytes, sha) || tracking.logUnwritable;
    if (last && last->fileSha256 == sha) tracking.version.loggedAt = last->local;
    return tracking;
}

bool LogTableSave(const std::wstring& path, const std::string& before, const std::wstring& reason) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return false;
    const std::string sha = Sha256Hex(*bytes);
    TableLog log(path);
    // The version before is kept too: a table saved before it was ever logged still shows its changes.
    log.KeepVersion(before, Sha256Hex(before));
    const bool logged =
        log.Append(L"сохранено в модуле", reason, DescribeTableChanges(before, *bytes), sha).has_value();
    return log.KeepVersion(*bytes, sha) && logged;
}
