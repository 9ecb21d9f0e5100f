#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/QualityMark.h"
#include "calc/TickedSamples.h"
#include "data/Assay.h"

// One chromatogram of the list as the reports show it: its row and sample mass, without its signal.
struct ReportChromatogram {
    int32_t id = 0;
    int64_t date = 0;  // seconds since 1970
    std::wstring fileName;
    std::wstring sample;
    std::wstring method;
    std::wstring mixture;
    bool isCalibration = false;
    double sampleMass = kNoSampleMass;
    bool usableMass = false;  // a sample mass the calculation can use
    bool ticked = false;
    std::string fileSha256;            // of the chromatogram file as loaded; empty when it did not read
    bool checksumUnavailable = false;  // the file loaded, but its SHA-256 could not be made
    std::vector<Peak> peaks;           // its named peaks as the host's database gave them
};

// A file a report rests on, by its path and the SHA-256 of its content when the report was made.
struct ReportInput {
    std::wstring path;
    std::string sha256;     // empty: the file did not read
    std::wstring loggedAt;  // for a reference table: its change log's last entry, local time
};

// One sample's report: everything its outputs show, built once from a finished calculation. The report
// document, its page, JSON and CSV are all made from it.
struct ReportModel {
    std::vector<ReportChromatogram> chromatograms;  // the whole list, ticked or not, in its order
    std::vector<SampleName> samples;                // distinct sample and mixture of the ticked ones
    size_t distinctSamples = 0;                     // different sample names among them
    CalculationData data;                           // the calculation, its warnings and verdicts
    int64_t createdAt = 0;                          // when the report was made; 0: not told
    // What the numbers rest on besides the chromatograms, so that the report can be checked later: the
    // host database the chromatograms came from and the stylesheet that made the page, set by whoever
    // makes the report; the components and limits files come with the calculation.
    std::wstring databasePath;
    std::optional<ReportInput> stylesheet;
    QualityMark quality;  // what QC says of the series; set by a batch
};

ReportModel MakeReportModel(const std::vector<Assay>& assays, CalculationData data, int64_t createdAt);

// The stylesheet as an input of a report: its path and checksum.
ReportInput StylesheetInput(const std::wstring& path);
