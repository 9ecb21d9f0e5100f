#include "records/TableLog.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <cwchar>
#include <filesystem>

#include "messages/Catalogue.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "platform/UserIdentity.h"
#include "platform/WideText.h"
#include "records/TableChanges.h"
#include "res/ProductVersion.h"
#include "tables/CsvTable.h"

namespace {

const char kEntryStart[] = "=== ";
const char kNoPrevious[] = "—";

// A line's start as the log writes it, in Russian whatever the language of the run: "Номер записи: ".
std::wstring LineStart(MessageCode code) {
    return Render(Message(code, {std::wstring()}), Language::Russian);
}

const std::wstring kNumberLine = LineStart(MessageCode::LogEntryNumber);
const std::wstring kUserLine = LineStart(MessageCode::LogEntryUser);
const std::wstring kLocalLine = LineStart(MessageCode::LogEntryLocal);
const std::wstring kProgramLine = LineStart(MessageCode::LogEntryProgram);
const std::wstring kEventLine = LineStart(MessageCode::LogEntryEvent);
const std::wstring kReasonLine = LineStart(MessageCode::LogEntryReason);
const std::wstring kExplainsLine = LineStart(MessageCode::LogEntryExplains);
const std::wstring kChangesLine = LineStart(MessageCode::LogEntryChanges);
const std::wstring kNotesLine = LineStart(MessageCode::LogEntryNotes);
const std::wstring kFileLine = LineStart(MessageCode::LogEntryFile);
const std::wstring kPreviousLine = LineStart(MessageCode::LogEntryPrevious);

long long FileSize(const std::wstring& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(ToFileSystemPath(path), error);
    return error ? -1 : static_cast<long long>(size);
}

// A line's text after a prefix, when it starts with it.
bool After(const std::wstring& line, const std::wstring& start, std::wstring& value) {
    if (line.compare(0, start.size(), start) != 0) return false;
    value = line.substr(start.size());
    return true;
}

TableLogEntry ParseEntry(const std::string& text) {
    TableLogEntry entry;
    entry.text = text;
    const std::wstring wide = FromUtf8(text);
    size_t start = 0;
    bool inChanges = false;
    bool inNotes = false;
    while (start < wide.size()) {
        size_t end = wide.find(L'\n', start);
        if (end == std::wstring::npos) end = wide.size();
        const std::wstring line = wide.substr(start, end - start);
        start = end + 1;
        std::wstring value;
        if (line.rfind(L"=== ", 0) == 0 && line.size() > 8) {
            entry.utc = line.substr(4, line.size() - 8);
        } else if (inChanges && line.rfind(L"  ", 0) == 0) {
            entry.changes.push_back(line.substr(2));
            continue;
        } else if (inNotes && line.rfind(L"  ", 0) == 0) {
            entry.notes.push_back(line.substr(2));
            continue;
        } else if (After(line, kLocalLine, entry.local) || After(line, kUserLine, entry.user) ||
                   After(line, kProgramLine, entry.program) || After(line, kEventLine, entry.event) ||
                   After(line, kReasonLine, entry.reason)) {
        } else if (After(line, kNumberLine, value)) {
            entry.number = static_cast<size_t>(std::wcstoull(value.c_str(), nullptr, 10));
        } else if (After(line, kExplainsLine, value)) {
            entry.explains = static_cast<size_t>(std::wcstoull(value.c_str(), nullptr, 10));
        } else if (After(line, kFileLine, value)) {
            entry.fileSha256 = ToUtf8(value);
        } else if (After(line, kPreviousLine, value)) {
            entry.previousSha256 = ToUtf8(value);
        }
        inChanges = line == kChangesLine;
        inNotes = line == kNotesLine;
    }
    return entry;
}

// A reason on one line, as the log keeps each field.
std::wstring OneLine(std::wstring text) {
    for (wchar_t& c : text) {
        if (c == L'\r' || c == L'\n') c = L' ';
    }
    return text;
}

std::string EntryText(const TableLogEntry& entry) {
    std::wstring text = L"=== " + entry.utc + L" ===\n";
    if (entry.number != 0) text += kNumberLine + std::to_wstring(entry.number) + L"\n";
    text += kLocalLine + entry.local + L"\n";
    text += kUserLine + entry.user + L"\n";
    text += kProgramLine + entry.program + L"\n";
    text += kEventLine + entry.event + L"\n";
    if (entry.explains != 0) text += kExplainsLine + std::to_wstring(entry.explains) + L"\n";
    if (!entry.reason.empty()) text += kReasonLine + OneLine(entry.reason) + L"\n";
    if (!entry.changes.empty()) {
        text += kChangesLine + L"\n";
        for (const std::wstring& change : entry.changes) text += L"  " + OneLine(change) + L"\n";
    }
    // After the changes, so that a reader of the entries before them passes over what it does not know.
    if (!entry.notes.empty()) {
        text += kNotesLine + L"\n";
        for (const std::wstring& note : entry.notes) text += L"  " + OneLine(note) + L"\n";
    }
    text += kFileLine + FromUtf8(entry.fileSha256) + L"\n";
    text += kPreviousLine + FromUtf8(entry.previousSha256) + L"\n\n";
    return ToUtf8(text);
}

}  // namespace

const std::wstring kSavedInProgramEvent = Render(MessageCode::LogEventSaved, Language::Russian);
const std::wstring kChangedOutsideEvent = Render(MessageCode::LogEventChangedOutside, Language::Russian);
const std::wstring kLimitsEstablishedEvent =
    Render(MessageCode::LogEventLimitsEstablished, Language::Russian);
const std::wstring kReasonGivenEvent = Render(MessageCode::LogEventReasonGiven, Language::Russian);

const std::wstring kVersionSeenBefore = Render(MessageCode::LogVersionSeenBefore, Language::Russian);

namespace {

bool IsTableLogPlaceAsSpelt(const std::filesystem::path& place, const std::wstring& path) {
    for (std::filesystem::path folder = place.parent_path();
         !folder.empty() && folder != folder.parent_path(); folder = folder.parent_path()) {
        if (folder.extension() == ".versions") return true;
    }
    if (place.extension() != ".log") return false;
    if (FileExists(FromFileSystemPath(place.parent_path() / place.stem()))) return true;
    const std::optional<std::string> start = ReadFileBytes(path, 0);
    return start && start->rfind(kEntryStart, 0) == 0;
}

}  // namespace

bool IsTableLogPlace(const std::wstring& path) {
    // As spelt and as the file system resolves it: a link to a versions folder leads into it.
    const std::filesystem::path place = ToFileSystemPath(path);
    std::error_code error;
    const std::filesystem::path resolved =
        std::filesystem::weakly_canonical(std::filesystem::absolute(place, error), error);
    return IsTableLogPlaceAsSpelt(place, path) ||
           (!error && IsTableLogPlaceAsSpelt(resolved, FromFileSystemPath(resolved)));
}

std::vector<TableLogEntry> ParseTableLog(const std::string& text) {
    std::vector<TableLogEntry> entries;
    size_t start = text.rfind(kEntryStart, 0) == 0 ? 0 : text.find(std::string("\n") + kEntryStart);
    if (start != 0 && start != std::string::npos) ++start;
    while (start != std::string::npos && start < text.size()) {
        size_t next = text.find(std::string("\n") + kEntryStart, start);
        if (next != std::string::npos) ++next;
        entries.push_back(
            ParseEntry(text.substr(start, next == std::string::npos ? std::string::npos : next - start)));
        start = next;
    }
    return entries;
}

TableLog::TableLog(const std::wstring& tablePath)
    : table_(tablePath), path_(tablePath + L".log"), versions_(tablePath + L".versions") {}

std::vector<TableLogEntry> TableLog::ReadAll() const {
    const std::optional<std::string> text = ReadFileBytes(path_, 0);
    return text ? ParseTableLog(*text) : std::vector<TableLogEntry>();
}

std::optional<TableLogEntry> TableLog::Last() const {
    // The last entry is found at the end: a log of years is not read whole at every calculation.
    const long long size = FileSize(path_);
    if (size <= 0) return std::nullopt;
    for (long long tail = 65536;; tail *= 4) {
        const long long from = size > tail ? size - tail : 0;
        const std::optional<std::string> text = ReadFileBytes(path_, from);
        if (!text) return std::nullopt;
        const size_t last = text->rfind(std::string("\n") + kEntryStart);
        if (last != std::string::npos) return ParseEntry(text->substr(last + 1));
        if (from == 0) {
            if (text->rfind(kEntryStart, 0) == 0) return ParseEntry(*text);
            return std::nullopt;
        }
    }
}

std::optional<TableLogHead> TableLog::Head() const {
    const std::optional<TableLogEntry> last = Last();
    if (!last) return std::nullopt;
    // Entries written before entries were numbered are counted once, when such a one is the last.
    const size_t entries = last->number != 0 ? last->number : ReadAll().size();
    return TableLogHead{entries, Sha256Hex(last->text), last->local};
}

bool TableLog::Exists() const {
    return FileExists(path_);
}

std::optional<TableLogEntry> TableLog::Append(const std::wstring& event, const std::wstring& reason,
                                              const std::vector<std::wstring>& changes,
                                              const std::string& fileSha256,
                                              const std::vector<std::wstring>& notes, size_t explains) {
    const std::optional<TableLogEntry> last = Last();
    TableLogEntry entry;
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    entry.utc = UtcIsoText(now);
    entry.local = LocalDateTimeText(now);
    entry.user = UserAtComputer();
    entry.program = std::wstring(L"oxycalc ") + kPluginVersionText;
    entry.event = event;
    entry.reason = reason;
    entry.changes = changes;
    entry.notes = notes;
    entry.explains = explains;
    entry.fileSha256 = fileSha256;
    entry.previousSha256 = last ? Sha256Hex(last->text) : kNoPrevious;
    entry.number = !last ? 1 : last->number != 0 ? last->number + 1 : ReadAll().size() + 1;
    entry.text = EntryText(entry);
    StdioFile file = OpenStdioFile(path_, "ab");
    if (!file) return std::nullopt;
    const bool written =
        std::fwrite(entry.text.data(), 1, entry.text.size(), file.get()) == entry.text.size();
    if (std::fclose(file.release()) != 0 || !written) return std::nullopt;
    return entry;
}

bool TableLog::KeepVersion(const std::string& bytes, const std::string& sha256) const {
    std::error_code error;
    std::filesystem::create_directories(ToFileSystemPath(versions_), error);
    const std::wstring path = JoinPath(versions_, FromUtf8(sha256) + L".csv");
    if (FileExists(path)) return true;
    StdioFile file = OpenStdioFile(path, "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

std::optional<std::string> TableLog::Version(const std::string& sha256) const {
    return ReadFileBytes(JoinPath(versions_, FromUtf8(sha256) + L".csv"), 0);
}

bool TableLog::HasVersions() const {
    std::error_code error;
    std::filesystem::directory_iterator entry(ToFileSystemPath(versions_), error);
    return !error && entry != std::filesystem::directory_iterator();
}

namespace {

// The first break of the chain (each entry carries the digest of the one before) or of the numbering.
TableLogCheck CheckChain(const std::vector<TableLogEntry>& entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string expected = i == 0 ? std::string(kNoPrevious) : Sha256Hex(entries[i - 1].text);
        if (entries[i].previousSha256 != expected) {
            return {false, i + 1, i == 0 ? MessageCode::LogChainStartRemoved : MessageCode::LogChainBroken};
        }
        if (entries[i].number != 0 && entries[i].number != i + 1)
            return {false, i + 1,
                    Message(MessageCode::LogNumberMisplaced, {static_cast<int64_t>(entries[i].number)})};
    }
    return {};
}

std::wstring Short(const std::string& sha256) {
    return FromUtf8(sha256.substr(0, 12)) + L"…";
}

// An entry of limits established by an earlier version of the program names each chart's new limits in
// its changes ("карта «…» (строка 3): …") instead of the fields that changed. It holds when the two versions
// differ only from the sixth field on, where the limits and their captions are written.
bool EarlierLimitsEntryHolds(const TableLogEntry& entry, const std::string& before,
                             const std::string& after) {
    constexpr size_t kLineFields = 5;  // sample, peak name, quantity, accepted value, tolerance
    const bool earlier =
        entry.event == kLimitsEstablishedEvent && !entry.changes.empty() &&
        std::all_of(entry.changes.begin(), entry.changes.end(),
                    [](const std::wstring& change) { return change.rfind(L"карта «", 0) == 0; });
    if (!earlier) return false;
    CsvTable was;
    CsvTable now;
    was.ParseBytes(before);
    now.ParseBytes(after);
    if (was.rows.size() != now.rows.size()) return false;
    for (size_t row = 0; row < was.rows.size(); ++row) {
        for (size_t field = 0; field < kLineFields; ++field) {
            const auto at = [field](const CsvTable::Row& fields) {
                return field < fields.size() ? fields[field] : std::wstring();
            };
            if (at(was.rows[row]) != at(now.rows[row])) return false;
        }
    }
    return true;
}

}  // namespace

TableLogCheck CheckTableLog(const std::vector<TableLogEntry>& entries,
                            const std::optional<std::string>& tableSha256) {
    TableLogCheck check = CheckChain(entries);
    if (check.intact && entries.empty()) check = {false, 0, MessageCode::LogEmpty};
    if (check.intact && tableSha256 != entries.back().fileSha256)
        check = {false, entries.size(),
                 tableSha256 ? MessageCode::LogTableNotLast : MessageCode::LogTableUnreadable};
    return check;
}

TableLogCheck CheckTableVersions(const TableLog& log, const std::vector<TableLogEntry>& entries) {
    std::optional<std::string> before;
    for (size_t i = 0; i < entries.size(); ++i) {
        const TableLogEntry& entry = entries[i];
        const std::optional<std::string> version = log.Version(entry.fileSha256);
        if (!version) {
            return {false, i + 1, Message(MessageCode::LogVersionMissing, {Short(entry.fileSha256)})};
        }
        if (Sha256Hex(*version) != entry.fileSha256)
            return {false, i + 1, Message(MessageCode::LogVersionAltered, {Short(entry.fileSha256)})};
        // What an entry says changed is checked where the table did change and its version before is kept.
        const bool changed = i > 0 && entries[i - 1].fileSha256 != entry.fileSha256;
        std::vector<std::wstring> expected;
        if (changed && before) {
            for (const std::wstring& change : DescribeTableChanges(*before, *version))
                expected.push_back(OneLine(change));
        }
        std::vector<std::wstring> said = entry.changes;
        said.erase(std::remove(said.begin(), said.end(), kVersionSeenBefore), said.end());
        if (changed && before && said != expected && !EarlierLimitsEntryHolds(entry, *before, *version))
            return {false, i + 1, MessageCode::LogChangesDiffer};
        before = version;
    }
    return {};
}

TableLogCheck CheckLogHolds(const std::vector<TableLogEntry>& entries, const TableLogHead& anchored) {
    if (entries.size() < anchored.entries || anchored.entries == 0) {
        return {false, anchored.entries,
                Message(MessageCode::LogShortened,
                        {static_cast<int64_t>(entries.size()), static_cast<int64_t>(anchored.entries)})};
    }
    if (Sha256Hex(entries[anchored.entries - 1].text) != anchored.lastEntrySha256)
        return {false, anchored.entries,
                Message(MessageCode::LogRewritten, {static_cast<int64_t>(anchored.entries)})};
    return CheckChain(entries);
}
