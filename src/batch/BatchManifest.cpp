#include "batch/BatchManifest.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <sstream>

#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"

namespace {

std::vector<std::wstring> Fields(const std::wstring& line) {
    std::vector<std::wstring> fields;
    std::wstringstream stream(line);
    for (std::wstring field; std::getline(stream, field, L'\t');) fields.push_back(field);
    return fields;
}

// A series' page, by whose name the series' files are named.
const std::wstring kPage = L".html";

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

BatchManifest::BatchManifest(const std::wstring& folder) : path_(JoinPath(folder, kFileName)) {
    std::string bytes = ReadFileBytes(path_).value_or("");
    // A line without its end was cut short as it was written: it says nothing.
    endsMidLine_ = !bytes.empty() && bytes.back() != '\n';
    bytes.erase(bytes.find_last_of('\n') == std::string::npos ? 0 : bytes.find_last_of('\n') + 1);
    std::wstringstream lines(FromUtf8(bytes));
    for (std::wstring line; std::getline(lines, line);) Read(Fields(line));
}

void BatchManifest::Read(const std::vector<std::wstring>& fields) {
    if (fields.size() == 5 && fields[0] == L"file") {
        Note(fields[1], fields[2], ToUtf8(fields[3]), std::wcstoll(fields[4].c_str(), nullptr, 10));
    } else if (fields.size() == 2 && fields[0] == L"index") {
        indexRange_ = fields[1];
    } else if (fields.size() >= 6 && fields.size() % 3 == 0 && fields[0] == L"commit") {
        Commit commit{fields[1], std::wcstoll(fields[2].c_str(), nullptr, 10), {}};
        for (size_t i = 3; i < fields.size(); i += 3)
            commit.files.push_back({fields[i], ToUtf8(fields[i + 1]), fields[i + 2]});
        pending_[commit.seriesKey] = commit;
    }
}

void BatchManifest::Note(const std::wstring& name, const std::wstring& seriesKey, const std::string& sha256,
                         int64_t created) {
    files_.insert({name, {seriesKey, sha256}});
    if (EndsWith(name, kPage) && name.size() > kPage.size())
        bases_[seriesKey] = name.substr(0, name.size() - kPage.size());
    created_.insert({seriesKey, created});
    const auto pending = pending_.find(seriesKey);
    if (pending == pending_.end()) return;
    std::vector<StagedFile>& staged = pending->second.files;
    staged.erase(
        std::remove_if(staged.begin(), staged.end(),
                       [&](const StagedFile& file) { return file.name == name && file.sha256 == sha256; }),
        staged.end());
    if (staged.empty()) pending_.erase(pending);
}

bool BatchManifest::MayReplace(const std::wstring& name, const std::wstring& seriesKey,
                               const std::string& sha256) const {
    const auto [first, last] = files_.equal_range(name);
    for (auto written = first; written != last; ++written) {
        if (written->second.seriesKey == seriesKey && written->second.sha256 == sha256) return true;
    }
    return false;
}

std::optional<std::wstring> BatchManifest::SeriesOf(const std::wstring& name) const {
    // A multimap keeps equal names in the order they were inserted.
    const auto after = files_.upper_bound(name);
    if (after == files_.begin() || std::prev(after)->first != name) return std::nullopt;
    return std::prev(after)->second.seriesKey;
}

std::optional<std::wstring> BatchManifest::BaseOf(const std::wstring& seriesKey) const {
    const auto base = bases_.find(seriesKey);
    return base == bases_.end() ? std::nullopt : std::optional<std::wstring>(base->second);
}

std::optional<int64_t> BatchManifest::CreatedOf(const std::wstring& seriesKey) const {
    const auto found = created_.find(seriesKey);
    return found == created_.end() ? std::nullopt : std::optional<int64_t>(found->second);
}

std::vector<BatchManifest::Commit> BatchManifest::Pending() const {
    std::vector<Commit> pending;
    for (const auto& [key, commit] : pending_) pending.push_back(commit);
    return pending;
}

bool BatchManifest::RecordCommit(const Commit& commit) {
    std::wstring line = L"commit\t" + commit.seriesKey + L"\t" + std::to_wstring(commit.created);
    for (const StagedFile& file : commit.files)
        line += L"\t" + file.name + L"\t" + FromUtf8(file.sha256) + L"\t" + file.staged;
    if (!Append(line)) return false;
    pending_[commit.seriesKey] = commit;
    return true;
}

bool BatchManifest::Record(const std::wstring& name, const std::wstring& seriesKey, const std::string& sha256,
                           int64_t created) {
    Note(name, seriesKey, sha256, created);
    return Append(L"file\t" + name + L"\t" + seriesKey + L"\t" + FromUtf8(sha256) + L"\t" +
                  std::to_wstring(created));
}

bool BatchManifest::RecordIndex(const std::wstring& range) {
    indexRange_ = range;
    return Append(L"index\t" + range);
}

// One write a line, so that a run killed as it appends leaves at most that line without its end.
bool BatchManifest::Append(const std::wstring& line) {
    const bool fresh = !FileExists(path_);
    StdioFile file = OpenStdioFile(path_, "ab");
    if (!file) return false;
    std::string bytes = endsMidLine_ ? "\n" : "";
    if (fresh)
        bytes = ToUtf8(L"# oxycalc: файлы, записанные пакетным расчётом в эту папку, по строке на файл.\n");
    bytes += ToUtf8(line) + "\n";
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool closed = std::fclose(file.release()) == 0;
    if (written && closed) endsMidLine_ = false;
    return written && closed;
}
