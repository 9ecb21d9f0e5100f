#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/Component.h"
#include "data/Assay.h"

// A file a report names as its input, with the checksum it had then.
struct RecordedFile {
    std::wstring path;
    std::string sha256;  // empty: it did not read then
};

// What a report (its document or its JSON) records: the inputs its numbers rest on and the numbers it
// printed, so that both can be checked later.
struct RecordedReport {
    std::wstring standard;
    double sampleDensity = 1.0;
    std::vector<Component> components;
    std::wstring database;
    std::vector<Assay> chromatograms;  // id, tick, file and its checksum, sample, date, mass, named peaks
    std::optional<RecordedFile> componentsFile;
    std::optional<RecordedFile> limitsFile;
    std::optional<RecordedFile> stylesheet;

    // The printed numbers, as text: each result row's name and six values, the six sums, the total
    // oxygen, and each limit's name and verdict.
    struct Row {
        std::wstring name;
        std::vector<std::wstring> values;
    };
    std::vector<Row> results;
    std::vector<std::wstring> sums;
    std::wstring totalOxygen;
    std::vector<std::pair<std::wstring, std::wstring>> verdicts;
};

// Reads a report document (XML) or a report for programs (JSON), told apart by their first character.
// Nothing, with `error` saying why, when the file does not read or records no inputs (a report made
// before reports recorded them).
std::optional<RecordedReport> ReadRecordedReport(const std::wstring& path, std::wstring& error);
