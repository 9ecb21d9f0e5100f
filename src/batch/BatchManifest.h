#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What batches wrote into a folder, kept in the folder's "oxycalc-batch-files.txt", one line a file and
// appended as each series is written: a later batch replaces only a file that a batch wrote for the
// same series and that is as it was written, and keeps every other file of the folder. A series is
// known by its first analysis (id and UTC time), and keeps the name its files were first given.
//
// Before a series' files take their places, one line names them all with their staged files: a run cut
// short between the two leaves that line without the lines of its files, and the next run in the folder
// completes what it began (Pending).
class BatchManifest {
public:
    static constexpr const wchar_t* kFileName = L"oxycalc-batch-files.txt";

    // A file of a series about to take its place: its name in the folder, the digest of its content and
    // the name of the staged file that holds it.
    struct StagedFile {
        std::wstring name;
        std::string sha256;
        std::wstring staged;
    };
    // A series' files recorded as about to take their places whose own lines are not all there yet.
    struct Commit {
        std::wstring seriesKey;
        int64_t created = 0;
        std::vector<StagedFile> files;
    };

    // Reads the folder's record; a folder without one has none.
    explicit BatchManifest(const std::wstring& folder);

    const std::wstring& Path() const { return path_; }

    // Whether the folder's file of that name, whose content now has the digest, may be replaced by a
    // file of the series: a batch wrote it for the series, and nobody changed it since.
    bool MayReplace(const std::wstring& name, const std::wstring& seriesKey, const std::string& sha256) const;
    // The series that last wrote a file of that name; nothing when no batch did.
    std::optional<std::wstring> SeriesOf(const std::wstring& name) const;
    // The name of the series' files without their extension, as a batch last wrote its page (".html")
    // here; nothing for a series no batch wrote here.
    std::optional<std::wstring> BaseOf(const std::wstring& seriesKey) const;
    // When the series' reports were first made; nothing for a series no batch wrote here.
    std::optional<int64_t> CreatedOf(const std::wstring& seriesKey) const;
    // The date range of the last index page written here, as its file name gives it.
    std::optional<std::wstring> IndexRange() const { return indexRange_; }
    // The series' files a run recorded as about to take their places and left without their own lines.
    std::vector<Commit> Pending() const;

    // Records that the series' files are about to take their places; false when it cannot be recorded.
    bool RecordCommit(const Commit& commit);
    // Records a file just written for a series, or an index page; false when the record cannot be kept.
    bool Record(const std::wstring& name, const std::wstring& seriesKey, const std::string& sha256,
                int64_t created);
    bool RecordIndex(const std::wstring& range);

private:
    struct Written {
        std::wstring seriesKey;
        std::string sha256;
    };
    void Read(const std::vector<std::wstring>& fields);
    void Note(const std::wstring& name, const std::wstring& seriesKey, const std::string& sha256,
              int64_t created);
    bool Append(const std::wstring& line);

    std::wstring path_;
    std::multimap<std::wstring, Written> files_;  // by name, in the order written: the last one wrote it last
    std::map<std::wstring, std::wstring> bases_;  // by series: the name of its page without ".html"
    std::map<std::wstring, int64_t> created_;
    std::map<std::wstring, Commit> pending_;  // by series
    std::optional<std::wstring> indexRange_;
    bool endsMidLine_ = false;  // a run killed as it appended left a line without its end
};
