#pragma once

#include <optional>
#include <string>

#include "tables/LimitsFile.h"
#include "tables/QcFile.h"

// A limits file read as every reference table is read: its change log kept (started, a change made
// outside the program logged) and its version with the log's head told. Nothing when no file is at the
// path (no limits are set); an error when it does not open.
std::optional<LimitsFile> ReadLimitsFile(const std::wstring& path);

// The QC file read so, each line's established limits held against its log (CheckLimitsAgainstLog): nothing
// when no file is at the path (no QC is kept).
std::optional<QcFile> ReadQcFile(const std::wstring& path);
