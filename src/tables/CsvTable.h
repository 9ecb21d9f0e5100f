#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How a CsvTable::Write ended. Only Written and WriteFailed touch the file.
enum class CsvWriteStatus {
    Written,
    NoPath,           // empty path: nothing done
    Unrepresentable,  // a field holds a character Windows-1251 lacks; nothing written
    ReadsAsUtf8,      // the Windows-1251 bytes would read back as UTF-8, as other text; nothing written
    OpenFailed,       // the file is missing, read-only or held by another program
    WriteFailed,      // the file opened but did not take all bytes; it may hold part of them
};

struct CsvWriteResult {
    CsvWriteStatus status = CsvWriteStatus::Written;
    size_t row = 0;    // the refused field's row, for Unrepresentable
    size_t field = 0;  // and its position in that row
};

// A table of text fields stored as Windows-1251 lines ending in CR LF, fields separated by ";".
// There is no quoting: a field cannot hold ";" or CR LF, while a CR or an LF alone is field text.
// The reader also takes what spreadsheets and editors save: UTF-8 (with or without a byte-order
// mark), a file whose first line ends in LF alone (its lines then end in LF), and a last line without a
// line end.
class CsvTable {
public:
    using Row = std::vector<std::wstring>;

    std::vector<Row> rows;  // rows may have different numbers of fields
    // Bytes of the first line with its line end as the last Read found it, when that line is
    // Windows-1251 ending in CR LF — what a writer may keep byte for byte; -1 otherwise.
    int32_t firstLineBytes = -1;

    // Reads the file, opening it exclusively for reading and writing and creating it empty when it is
    // missing; never truncates it. False, with the rows left as they were, when the path is empty or
    // the file does not open. Bytes that are valid UTF-8 and not plain ASCII, or that start with
    // UTF-8's byte-order mark, are read as UTF-8; anything else as Windows-1251.
    bool Read(const std::wstring& path);
    // Reads a file that others may hold open as well, for reading only; false, with the rows left as
    // they were, when it is missing or does not open. Never creates it.
    bool ReadShared(const std::wstring& path);

    // Replaces the rows by those of the text of a whole file.
    void Parse(std::wstring_view text);
    // Replaces the rows by those of a whole file's bytes, decoded as Read decodes them.
    void ParseBytes(std::string_view bytes);

    // Writes every row from byte startOffset (>= 0) of the existing file on and ends the file behind
    // the last row. Nothing is written when a field cannot be converted to Windows-1251.
    CsvWriteResult Write(const std::wstring& path, int32_t startOffset) const;

    // Characters of row 0 through field lastColumn, with one separator after each field and one more
    // for the CR LF; -1 when there is no row 0 or no such field.
    int32_t LineLength(int32_t lastColumn) const;
};

// Whether a file's bytes are read as UTF-8 (by their byte-order mark, or valid UTF-8 that is not plain
// ASCII) rather than as Windows-1251.
bool ReadsAsUtf8(std::string_view bytes);
// A field of a row without its surrounding blanks; empty where the row is shorter.
std::wstring TrimmedField(const CsvTable::Row& row, size_t field);
// Whether a line of a file a lab keeps by hand is skipped: every field blank, or the first one beginning
// with "#" (a comment).
bool IsBlankOrComment(const CsvTable::Row& row);
