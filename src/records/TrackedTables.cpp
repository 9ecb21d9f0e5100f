#include "records/TrackedTables.h"

#include "records/EstablishedLimitsLog.h"
#include "records/ReferenceTable.h"

namespace {

template <typename File>
std::optional<File> Tracked(std::optional<File> file) {
    if (file) file->tracking = TrackReferenceTable(file->path);
    return file;
}

}  // namespace

std::optional<LimitsFile> ReadLimitsFile(const std::wstring& path) {
    return Tracked(ParseLimitsFile(path));
}

std::optional<QcFile> ReadQcFile(const std::wstring& path) {
    std::optional<QcFile> file = Tracked(ParseQcFile(path));
    if (file) CheckLimitsAgainstLog(*file);
    return file;
}
