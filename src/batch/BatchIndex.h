#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/Limits.h"
#include "qc/QcChart.h"
#include "qc/QualityMark.h"

class StagedFiles;
class UserMessages;
class XMLWrapper;

// A verdict as the index page tells it; the row keeps no more of it, so that a batch of thousands of
// series holds its page in little memory.
struct IndexVerdict {
    std::wstring name;
    LimitVerdict::Outcome outcome = LimitVerdict::Outcome::Undetermined;
    Message doubt;

    IndexVerdict() = default;
    explicit IndexVerdict(const LimitVerdict& verdict);
};

// One series of a batch as its index page lists it.
struct IndexRow {
    std::wstring sample;
    int64_t firstDate = 0;      // of its first analysis, seconds since 1970
    int64_t lastDate = 0;       // of its last
    size_t analyses = 0;        // analyses of the series in the database
    size_t determinations = 0;  // those calculated: with a usable sample mass
    size_t afterRange = 0;      // analyses made after the end of the batch's dates, taken with their series
    double totalOxygen = 0.0;
    Message totalOxygenDoubt;  // why the total is no result; empty when it is one
    std::vector<Message> warnings;
    std::vector<IndexVerdict> verdicts;
    std::vector<std::wstring> exceededR;  // components whose parallels spread more than their r
    std::wstring base;           // file name of its reports without extension; empty when none was written
    Message reason;              // why the series has no report; empty when it has one
    std::vector<Message> notes;  // what loading its chromatograms told (a file that did not read, …)
    QualityMark quality;         // what QC says of an analysis series with a report
    std::vector<Message> qcResults;   // a QC series' own results that are in control or unjudged
    std::vector<Message> qcFailures;  // and those that failed or could not be used
};

// Whether a row shows anything a lab must look at before it signs: no report, a determination left
// out, a warning, a total or a verdict not determined, a spread above r, a doubt from QC, a failed QC result.
bool HasProblem(const IndexRow& row);

// The index page of one batch run.
struct IndexPage {
    Language language = Language::Russian;  // of its words
    Message range;                          // the dates asked for
    std::wstring limitsFile;                // the limits file the verdicts come from; empty: none used
    std::vector<Message> limitsErrors;      // lines of it that could not be read
    std::vector<IndexRow> rows;
    std::optional<QcCharts> qc;  // the control charts, when a QC file is kept
};

// Stages the page: the index document turned by `stylesheet` (BatchIndex.xsl, which a lab may
// restyle). False, after telling why, when it cannot be made.
bool StageIndexPage(const std::wstring& path, const IndexPage& page, const std::wstring& stylesheet,
                    StagedFiles& staged, UserMessages& messages);

// Appends the index document to one just made by XMLWrapper::CreateDocument: program, range,
// limits_file, limits_errors, series with one row each and, when QC is kept, qc (AddQcCharts).
void FillIndexDocument(XMLWrapper& wrapper, const IndexPage& page);
