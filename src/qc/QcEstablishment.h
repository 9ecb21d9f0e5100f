#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "qc/QcChart.h"
#include "tables/QcFile.h"

// Where a lab takes the baseline of limits it establishes: the series that began in [from, to).
struct BaselineDates {
    int64_t from = 0;
    int64_t to = 0;
};

// Limits established for one line, or why none could be.
struct Establishment {
    std::optional<EstablishedLimits> limits;
    Message why;
};

// The limits a line's results give (every result of the line in the database, in any order): their
// baseline is the first kFullBaseline used results, or every used result of a series that began in
// `dates`. None with fewer than kFullBaseline such results, without a spread, or when a result of the
// baseline lies beyond the 3σ limits the rest of the baseline gives (an outlier the lab must look into before
// its limits are fixed; among limits that include it, its own moving ranges widen them). The centre line and
// MR̄ are rounded to the six decimals the file keeps.
Establishment EstablishLimits(const std::vector<QcResult>& results, const std::optional<BaselineDates>& dates,
                              int64_t now, const std::wstring& reason);

// The change of one line's limits as the change log tells it: "карта «…» (строка 2): средняя линия — →
// 2.1035; …".
std::wstring DescribeLimitsChange(const QcLine& line, const EstablishedLimits& limits);

// Writes the new limits into the QC file the lines were read from (`limits` has an entry per line of
// `file`; none: the line keeps what it has), leaving every other byte as it was; the header line, if
// any, gets the fields' captions. Then logs the change in the file's change log with the reason, the fields
// that changed and `notes` (each chart's limits, DescribeLimitsChange). False with `error` when the file was
// not written (it changed since it was read, a reason
// holds a character its encoding lacks, it could not be replaced); `logged` tells whether the log took it.
bool RecordEstablishedLimits(const QcFile& file, const std::vector<std::optional<EstablishedLimits>>& limits,
                             const std::wstring& reason, const std::vector<std::wstring>& notes, bool& logged,
                             Message& error);
