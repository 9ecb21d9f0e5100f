#include "records/EstablishedLimitsLog.h"

#include <algorithm>
#include <optional>

#include "platform/Sha256.h"
#include "records/TableLog.h"

namespace {

// The latest entry of limits established, with the file as it wrote them; nothing without one whose
// version is kept whole.
struct LoggedLimits {
    TableLogEntry entry;
    QcFile file;
};

std::optional<LoggedLimits> LatestEstablishing(const std::wstring& path) {
    const TableLog log(path);
    const std::vector<TableLogEntry> entries = log.ReadAll();
    const auto latest = std::find_if(entries.rbegin(), entries.rend(), [](const TableLogEntry& entry) {
        return entry.event == kLimitsEstablishedEvent;
    });
    if (latest == entries.rend()) return std::nullopt;
    const std::optional<std::string> version = log.Version(latest->fileSha256);
    if (!version || Sha256Hex(*version) != latest->fileSha256) return std::nullopt;
    return LoggedLimits{*latest, ParseQcBytes(*version, path)};
}

}  // namespace

void CheckLimitsAgainstLog(QcFile& file) {
    const bool anyEstablished = std::any_of(file.lines.begin(), file.lines.end(),
                                            [](const QcLine& line) { return line.established.has_value(); });
    if (!anyEstablished) return;
    const std::optional<LoggedLimits> logged = LatestEstablishing(file.path);
    for (QcLine& line : file.lines) {
        if (!line.established) continue;
        if (!logged) {
            line.limitsDoubt = MessageCode::QcLimitsNotLogged;
            continue;
        }
        const std::vector<QcLine>& then = logged->file.lines;
        const bool asLogged = std::any_of(then.begin(), then.end(),
                                          [&line](const QcLine& other) { return SameLine(line, other); });
        if (!asLogged)
            line.limitsDoubt = {MessageCode::QcLimitsNotAsLogged,
                                {static_cast<int64_t>(logged->entry.number), logged->entry.local}};
    }
}
