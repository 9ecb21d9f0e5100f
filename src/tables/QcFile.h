#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tables/LimitsFile.h"
#include "tables/TableVersion.h"

// Control limits a lab established once for a line from a baseline of its results, kept in the QC file
// until the lab revises them: every result made after the baseline is judged by them, whatever the dates
// a run covers.
struct EstablishedLimits {
    double centre = 0.0;  // the baseline's mean, on the results' own scale (not minus the accepted value)
    double movingRangeMean = 0.0;  // MR̄ of the baseline
    size_t count = 0;              // the baseline's results
    int64_t baselineFrom = 0;      // the first analysis of its first result, seconds since 1970
    int64_t baselineTo = 0;        // the last analysis of its last result
    int64_t at = 0;                // when they were established
    std::wstring reason;           // why, as the lab gave it
};

// What a lab charts for one QC sample: one line of the QC file.
struct QcLine {
    size_t row = 0;       // the file's line, from 1
    std::wstring sample;  // the QC sample's name as the host stores it, compared whole without regard to case
    std::wstring peakName;  // the component charted; empty: the total organically bound oxygen
    LimitQuantity quantity = LimitQuantity::MassPercent;
    // The accepted value of a check standard: the chart then shows the result minus it.
    std::optional<double> accepted;
    std::wstring acceptedText;  // as the file writes it, with a point
    // Half the width of the band around the accepted value inside which each result passes at once.
    std::optional<double> tolerance;
    std::wstring toleranceText;
    std::optional<EstablishedLimits> established;  // none: judged by provisional limits
    // Why the established limits are not to be judged by: they are not what the change log's entry of their
    // establishing recorded (edited by hand since); empty when they are, or when there are none.
    Message limitsDoubt;

    // "кислород, % масс.", "МТБЭ, % об.": what the line charts.
    Message MeasureMessage() const;
    std::wstring Measure(Language language = Language::Russian) const;
    // "КО-1 — МТБЭ, % масс.": the line as pages name it.
    Message TitleMessage() const;
    std::wstring Title(Language language = Language::Russian) const;
};

// The QC file, "QcOxycalc.csv" beside the components file: an optional header line (a first line whose
// quantity field holds no "%" and whose numbers hold no digit), then per line the QC sample's name; the
// peak name of the component charted (empty: the total organically bound oxygen); "% масс." or "% об.";
// optionally the accepted value; optionally the tolerance ± around it; then, once `oxycalc-cli qc
// --establish` has written them, the established limits: centre line (the results' own scale), MR̄, the
// baseline's results, its first and last analysis and the moment of establishing (UTC,
// "2024-03-16T10:05:00Z"), and the reason. Read with the components file's rules (Windows-1251 or UTF-8,
// ";", CR LF or LF, a decimal point or comma); empty lines and lines beginning with "#" are skipped. A line
// that cannot be read is kept as an error, never dropped.
struct QcFile {
    std::wstring path;
    std::vector<QcLine> lines;
    std::vector<Message> errors;  // "строка 4: …"
    size_t headerRow = 0;         // the header's line, from 1; 0 without one
    TableTracking tracking;       // its version as read, and what the read found out about its change log
};

// Reads the QC file without touching its change log: nothing when no file is at the path (no QC is kept);
// otherwise what it holds, an error when it does not open.
std::optional<QcFile> ParseQcFile(const std::wstring& path);
// The same of the file's bytes (a version its change log keeps), as if read from `path`.
QcFile ParseQcBytes(const std::string& bytes, const std::wstring& path);

// Whether two lines chart the same sample, component and quantity with the same accepted value, tolerance
// and established limits, as the file writes them.
bool SameLine(const QcLine& a, const QcLine& b);

// The captions of the established limits' fields, in the order the file holds them after the tolerance.
const std::vector<std::wstring>& EstablishedCaptions();
// The established limits' fields as the file holds them (numbers with a point, moments in UTC).
std::vector<std::wstring> EstablishedFields(const EstablishedLimits& limits);

// The QC file's name in the data folder.
constexpr const wchar_t* kQcFileName = L"QcOxycalc.csv";
