#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What batches wrote into a folder, kept in the folder's "oxycalc-batch-files.txt", one line a file and
// appended as each series is written: a later batch replaces only a file that a batch wrote for the
// same series and that is as it was written, and keeps every other file of the folder.
class BatchManifest {
public:
    static constexpr const wchar_t* kFileName = L"oxycalc-batch-files.txt";

    // Reads the folder's record; a folder without one has none.
    explicit BatchManifest(const std::wstring& folder);

    const std::wstring& Path() const { return path_; }

    // Whether the folder's file of that name, whose content now has the digest, may be replaced by a
    // file of the series: a batch wrote it for the series, and nobody changed it since.
    bool MayReplace(const std::wstring& name, const std::wstring& seriesKey, const std::string& sha256) const;
    // The series that last wrote a file of that name; nothing when no batch did.
    std::optional<std::wstring> SeriesOf(const std::wstring& name) const;
    // When the series' reports were first made; nothing for a series no batch wrote here.
    std::optional<int64_t> CreatedOf(const std::wstring& seriesKey) const;
    // The date range of the last index page written here, as its file name gives it.
    std::optional<std::wstring> IndexRange() const { return indexRange_; }

    // Records a file just written for a series, or an index page; false when the record cannot be kept.
    bool Record(const std::wstring& name, const std::wstring& seriesKey, const std::string& sha256,
                int64_t created);
    bool RecordIndex(const std::wstring& range);

private:
    struct Written {
        std::wstring seriesKey;
        std::string sha256;
    };
    bool Append(const std::wstring& line);

    std::wstring path_;
    std::multimap<std::wstring, Written> files_;  // by name, in the order written: the last one wrote it last
    std::map<std::wstring, int64_t> created_;
    std::optional<std::wstring> indexRange_;
};
