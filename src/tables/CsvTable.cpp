#include "tables/CsvTable.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <utility>

#include "platform/Codepage1251.h"
#include "platform/ExclusiveFile.h"
#include "platform/NumberText.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"

namespace {

constexpr wchar_t kSeparator = L';';
constexpr wchar_t kCarriageReturn = L'\r';
constexpr wchar_t kLineFeed = L'\n';
constexpr char kLineEnd[] = "\r\n";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool HasBytesAbove7F(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) > 0x7F) return true;
    }
    return false;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// UTF-8 when the bytes say so by their mark, or when they are valid UTF-8 and not plain ASCII
// (Windows-1251 Cyrillic text is practically never valid UTF-8); Windows-1251 otherwise.
bool IsUtf8File(std::string_view bytes) {
    return StartsWith(bytes, kUtf8Mark) || (HasBytesAbove7F(bytes) && IsValidUtf8(bytes));
}

std::wstring DecodeFile(std::string_view bytes, bool utf8) {
    if (!utf8) return FromCodepage1251(bytes);
    return FromUtf8(StartsWith(bytes, kUtf8Mark) ? bytes.substr(kUtf8Mark.size()) : bytes);
}

// The bytes of the first line with its CR LF when it is a Windows-1251 line that ends so: one that a
// writer may keep as it stands.
int32_t KeepableFirstLine(std::string_view bytes, bool utf8) {
    const size_t lineEnd = bytes.find('\n');
    if (utf8 || lineEnd == std::string_view::npos || lineEnd == 0 || bytes[lineEnd - 1] != '\r') return -1;
    return static_cast<int32_t>(lineEnd + 1);
}

// Collects fields and rows while the text is scanned.
class RowBuilder {
public:
    explicit RowBuilder(std::vector<CsvTable::Row>& rows) : rows_(rows) { rows_.assign(1, CsvTable::Row()); }

    void Add(wchar_t c) { field_.push_back(c); }
    // A separator ends the field, anything else is text.
    void Take(wchar_t c) { c == kSeparator ? EndField() : Add(c); }
    void EndField() {
        rows_.back().push_back(std::move(field_));
        field_.clear();
    }
    void EndRow() {
        EndField();
        rows_.emplace_back();
    }
    // The row still open at the end is the empty one begun after the last line end, or a last line
    // without a line end, which is a row like any other.
    void Finish() {
        if (rows_.back().empty() && field_.empty()) {
            rows_.pop_back();
        } else {
            EndField();
        }
    }

private:
    std::vector<CsvTable::Row>& rows_;
    std::wstring field_;
};

// Appends the bytes of one row's line; gives the position of the first field that does not convert.
std::optional<size_t> AppendLine(const CsvTable::Row& row, std::string& bytes) {
    for (size_t field = 0; field < row.size(); ++field) {
        const std::optional<std::string> converted = ToCodepage1251(row[field]);
        if (!converted) return field;
        bytes += *converted;
        bytes += field + 1 < row.size() ? ";" : kLineEnd;
    }
    return std::nullopt;
}

}  // namespace

bool ReadsAsUtf8(std::string_view bytes) {
    return IsUtf8File(bytes);
}

bool CsvTable::Read(const std::wstring& path) {
    if (path.empty()) return false;
    ExclusiveFile file(path, ExclusiveFile::Disposition::OpenOrCreate);
    std::string bytes;
    if (!file.ReadAll(bytes)) return false;
    ParseBytes(bytes);
    return true;
}

bool CsvTable::ReadShared(const std::wstring& path) {
    const StdioFile file = OpenStdioFile(path, "rb");
    if (!file) return false;
    std::string bytes;
    char buffer[4096];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
    if (std::ferror(file.get())) return false;
    ParseBytes(bytes);
    return true;
}

void CsvTable::ParseBytes(std::string_view bytes) {
    const bool utf8 = IsUtf8File(bytes);
    Parse(DecodeFile(bytes, utf8));
    firstLineBytes = KeepableFirstLine(bytes, utf8);
}

void CsvTable::Parse(std::wstring_view text) {
    // A file whose first line ends in LF alone (an editor's) has its lines end so; in one whose lines end
    // in CR LF, an LF alone is text of its field.
    const size_t firstLineFeed = text.find(kLineFeed);
    const bool lineFeedEnds = firstLineFeed != std::wstring_view::npos &&
                              (firstLineFeed == 0 || text[firstLineFeed - 1] != kCarriageReturn);
    RowBuilder builder(rows);
    size_t i = 0;
    while (i < text.size()) {
        const wchar_t c = text[i++];
        if (c == kCarriageReturn && i < text.size() && text[i] == kLineFeed) {
            ++i;
            builder.EndRow();
            continue;
        }
        if (c == kLineFeed && lineFeedEnds) {
            builder.EndRow();
            continue;
        }
        if (c == kCarriageReturn) {
            // A CR without LF is text, and the character after it counts as text or separator only,
            // so a second CR directly behind it is text as well.
            builder.Add(c);
            if (i == text.size()) break;
            builder.Take(text[i++]);
            continue;
        }
        builder.Take(c);
    }
    builder.Finish();
}

CsvWriteResult CsvTable::Write(const std::wstring& path, int32_t startOffset) const {
    assert(startOffset >= 0);
    if (path.empty()) return {CsvWriteStatus::NoPath};
    std::string bytes;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (const std::optional<size_t> field = AppendLine(rows[row], bytes)) {
            return {CsvWriteStatus::Unrepresentable, row, *field};
        }
    }
    // Only names made of the rare Windows-1251 byte pairs that UTF-8 also takes can do this (text
    // once read from a damaged UTF-8 file, say); written, they would come back as other names.
    if (IsUtf8File(bytes)) return {CsvWriteStatus::ReadsAsUtf8};
    ExclusiveFile file(path, ExclusiveFile::Disposition::OpenExisting);
    if (!file.IsOpen()) return {CsvWriteStatus::OpenFailed};
    const int64_t end = int64_t{startOffset} + static_cast<int64_t>(bytes.size());
    if (!file.WriteAt(startOffset, bytes) || !file.SetLength(end)) return {CsvWriteStatus::WriteFailed};
    return {CsvWriteStatus::Written};
}

int32_t CsvTable::LineLength(int32_t lastColumn) const {
    if (rows.empty() || lastColumn < 0 || static_cast<size_t>(lastColumn) >= rows[0].size()) return -1;
    size_t length = 1;
    for (size_t field = 0; field <= static_cast<size_t>(lastColumn); ++field) {
        length += rows[0][field].size() + 1;
    }
    return static_cast<int32_t>(length);
}

std::wstring TrimmedField(const CsvTable::Row& row, size_t field) {
    return field < row.size() ? std::wstring(TrimBlanks(row[field])) : std::wstring();
}

bool IsBlankOrComment(const CsvTable::Row& row) {
    const bool blank = std::all_of(row.begin(), row.end(),
                                   [](const std::wstring& field) { return TrimBlanks(field).empty(); });
    return blank || TrimmedField(row, 0).rfind(L"#", 0) == 0;
}
