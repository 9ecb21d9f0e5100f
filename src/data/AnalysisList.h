#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/DbHandle.h"

// One analysis of the host database as a batch groups it.
struct AnalysisRow {
    int32_t id = 0;
    int64_t date = 0;  // seconds since 1970-01-01 00:00 UTC
    std::wstring sample;
};

// Every analysis of the database (calibrations left out), oldest first, then by id; throws
// DataBase::SqlException.
std::vector<AnalysisRow> ListAnalyses(DataBase::DbHandle& db);
