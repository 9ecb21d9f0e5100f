#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/CalculationWarning.h"
#include "calc/Limits.h"

class UserMessages;
class XMLWrapper;

// One sample of a batch as its index page lists it.
struct IndexRow {
    std::wstring sample;
    int64_t firstDate = 0;      // of its first analysis, seconds since 1970
    int64_t lastDate = 0;       // of its last
    size_t analyses = 0;        // analyses of the sample in the database
    size_t determinations = 0;  // those calculated: with a usable sample mass
    double totalOxygen = 0.0;
    std::vector<CalculationWarning> warnings;
    std::vector<LimitVerdict> verdicts;
    std::wstring base;    // file name of its reports without extension; empty when none was written
    std::wstring reason;  // why the sample has no report; empty when it has one
    std::vector<std::wstring> notes;  // what loading its chromatograms told (a file that did not read, …)
};

// The index page of a batch: one row a series with its date, determinations, total oxygen, verdicts
// and links to its reports, or the reason it has none. The page is the index document turned by
// `stylesheet` (BatchIndex.xsl, which a lab may restyle). False, after telling why, when it is not
// written. `limitsFile`: the limits file the verdicts come from, empty when none is used.
bool WriteIndexPage(const std::wstring& path, const std::vector<IndexRow>& rows,
                    const std::wstring& limitsFile, const std::wstring& stylesheet, UserMessages& messages);

// Appends the index document to one just made by XMLWrapper::CreateDocument: program, limits_file, and
// series with one row each.
void FillIndexDocument(XMLWrapper& wrapper, const std::vector<IndexRow>& rows,
                       const std::wstring& limitsFile);
