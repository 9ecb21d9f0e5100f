#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>

#include "data/Assay.h"

// A host chromatogram database as the demo data and the tests build it: tables [assay] and [peak]
// with the columns the plug-in reads and a few it does not, and an index on [peak].assayid.
class HostDatabase {
public:
    // Opens the database file, creating it when it is missing; throws std::runtime_error.
    explicit HostDatabase(const std::wstring& path);

    // Creates [assay] and [peak] with the index.
    void CreateTables();
    // Runs SQL statements; throws std::runtime_error with SQLite's message.
    void Execute(const std::string& sql);
    // A row of [assay] from the record's id, date, fileName, sample, mixture, method, isCalibration.
    void AddAssay(const Assay& assay);
    // A row of [peak]; an empty name is stored as NULL, as the host does for unidentified peaks.
    void AddPeak(int32_t assayId, const Peak& peak);

private:
    struct Closer {
        void operator()(sqlite3* db) const noexcept { sqlite3_close(db); }
    };
    std::unique_ptr<sqlite3, Closer> db_;
};
