#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/Limit.h"

// What a lab charts for one QC sample: one line of the QC file.
struct QcLine {
    std::wstring sample;  // the QC sample's name as the host stores it, compared whole without regard to case
    std::wstring peakName;  // the component charted; empty: the total organically bound oxygen
    LimitQuantity quantity = LimitQuantity::MassPercent;
    // The accepted value of a check standard: the chart then shows the result minus it.
    std::optional<double> accepted;
    std::wstring acceptedText;  // as the file writes it, with a point
    // Half the width of the band around the accepted value inside which each result passes at once.
    std::optional<double> tolerance;
    std::wstring toleranceText;

    // "МТБЭ, % масс." or "кислород, % масс.": what the line charts.
    std::wstring Measure() const;
    // "КО-1 — МТБЭ, % масс.": the line as pages name it.
    std::wstring Title() const;
};

// The QC file, "QcOxycalc.csv" beside the components file: an optional header line (a first line whose
// quantity field holds no "%" and whose numbers hold no digit), then per line the QC sample's name; the
// peak name of the component charted (empty: the total organically bound oxygen); "% масс." or "% об.";
// optionally the accepted value; optionally the tolerance ± around it. Read with the components file's
// rules (Windows-1251 or UTF-8, ";", CR LF or LF, a decimal point or comma); empty lines and lines
// beginning with "#" are skipped. A line that cannot be read is kept as an error, never dropped.
struct QcFile {
    std::wstring path;
    std::vector<QcLine> lines;
    std::vector<std::wstring> errors;  // "строка 4: …"
};

// Nothing when no file is at the path (no QC is kept); otherwise what it holds, an error when it does
// not open.
std::optional<QcFile> ReadQcFile(const std::wstring& path);

// The QC file's name in the data folder.
constexpr const wchar_t* kQcFileName = L"QcOxycalc.csv";
