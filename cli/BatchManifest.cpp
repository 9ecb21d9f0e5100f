#include "BatchManifest.h"

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

}  // namespace

BatchManifest::BatchManifest(const std::wstring& folder) : path_(JoinPath(folder, kFileName)) {
    std::wstringstream lines(FromUtf8(ReadFileBytes(path_).value_or("")));
    for (std::wstring line; std::getline(lines, line);) {
        const std::vector<std::wstring> fields = Fields(line);
        if (fields.size() == 5 && fields[0] == L"file") {
            files_.insert({fields[1], {fields[2], ToUtf8(fields[3])}});
            created_.insert({fields[2], std::wcstoll(fields[4].c_str(), nullptr, 10)});
        } else if (fields.size() == 2 && fields[0] == L"index") {
            indexRange_ = fields[1];
        }
    }
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

std::optional<int64_t> BatchManifest::CreatedOf(const std::wstring& seriesKey) const {
    const auto found = created_.find(seriesKey);
    return found == created_.end() ? std::nullopt : std::optional<int64_t>(found->second);
}

bool BatchManifest::Record(const std::wstring& name, const std::wstring& seriesKey, const std::string& sha256,
                           int64_t created) {
    files_.insert({name, {seriesKey, sha256}});
    created_.insert({seriesKey, created});
    return Append(L"file\t" + name + L"\t" + seriesKey + L"\t" + FromUtf8(sha256) + L"\t" +
                  std::to_wstring(created));
}

bool BatchManifest::RecordIndex(const std::wstring& range) {
    indexRange_ = range;
    return Append(L"index\t" + range);
}

bool BatchManifest::Append(const std::wstring& line) {
    const bool fresh = !FileExists(path_);
    StdioFile file = OpenStdioFile(path_, "ab");
    if (!file) return false;
    std::string bytes;
    if (fresh)
        bytes = ToUtf8(L"# oxycalc: файлы, записанные пакетным расчётом в эту папку, по строке на файл.\n");
    bytes += ToUtf8(line) + "\n";
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}
