#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "messages/Language.h"

#include "records/ReferenceTable.h"
#include "report/ReportModel.h"

// A file a report names as its input, with the checksum it had then.
struct RecordedFile {
    std::wstring path;
    std::string sha256;  // empty: it did not read then
};

// A reference table a report read, with where its change log stood then.
struct RecordedTable {
    RecordedFile file;
    TableVersion version;
};

// One chromatogram a report lists, as far as making the report again needs it.
struct RecordedChromatogram {
    int32_t id = 0;
    bool ticked = false;
    RecordedFile file;
    int64_t date = 0;
    std::wstring sample;
};

// A warning of a report that tells how a table was read then, not what its data are (read as remembered,
// changed outside the program, its log not written or not to be trusted, a new default beside it not yet
// answered by the lab), or that ticks were kept while their files were away: a report made again reads the
// tables once more and cannot know it, so it is taken from the report.
struct RecordedCircumstance {
    std::wstring kind;  // the warning's key
    std::wstring subject;
    std::wstring detail;
    std::wstring chromatograms;
};

// What a report (its document or its JSON) records of how it was made and what it rests on, read back
// with every key and type it needs checked, and the report itself to compare with one made again.
struct RecordedReport {
    enum class Format { Xml, Json };
    Format format = Format::Json;
    std::string bytes;      // the report as it was read
    int64_t createdAt = 0;  // 0: not told
    int32_t utcOffsetMinutes = 0;
    // The offset from UTC of each moment it shows in local time; empty in a report that does not record them
    // (its times are shown at utcOffsetMinutes).
    std::map<int64_t, int32_t> utcOffsets;
    Language language = Language::Russian;  // of its words; reports that do not say it are Russian
    ReportOrigin origin;  // its files' paths as recorded, with their checksums (the QC file's also: qcFile)
    std::wstring standard;
    double sampleDensity = 1.0;
    bool sampleDensityGiven = true;
    std::wstring database;
    std::vector<RecordedChromatogram> chromatograms;
    RecordedTable componentsFile;
    std::optional<RecordedTable> limitsFile;
    std::optional<RecordedFile> stylesheet;
    std::optional<RecordedTable> qcFile;
    std::vector<RecordedCircumstance> circumstances;
    // Where it stood in the lab's register when it was written; none from a lab that kept none.
    std::optional<ReportRegistration> registration;
};

// The warning keys that tell how a table was read rather than what the data are, or that the plug-in kept
// ticks while their files were away: a report made again cannot know them.
bool IsReadCircumstance(const std::wstring& warningKey);

// Reads a report document (XML) or a report for programs (JSON), told apart by their first character.
// Nothing, with `error` naming the first key or element that is missing or of the wrong type, when the
// file does not read, is of another format or version, or names one chromatogram twice.
std::optional<RecordedReport> ReadRecordedReport(const std::wstring& path, Message& error);
