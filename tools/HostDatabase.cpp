#include "HostDatabase.h"

#include <stdexcept>

#include "platform/WideText.h"

namespace {

struct Finalizer {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};
using StatementPtr = std::unique_ptr<sqlite3_stmt, Finalizer>;

const char kSchema[] = R"(
CREATE TABLE assay (
    id INTEGER PRIMARY KEY,
    date INTEGER,
    filename TEXT,
    sample TEXT,
    mixture TEXT,
    method TEXT,
    iscalibration INTEGER NOT NULL DEFAULT 0,
    operator TEXT
);
CREATE TABLE peak (
    id INTEGER PRIMARY KEY,
    assayid INTEGER NOT NULL REFERENCES assay(id) ON DELETE CASCADE,
    nameid INTEGER,
    name TEXT,
    area REAL,
    time REAL,
    concentration REAL,
    height REAL,
    channel INTEGER,
    front REAL,
    back REAL
);
CREATE INDEX peak_assayid ON peak(assayid);
)";

void Check(int result, sqlite3* db) {
    if (result != SQLITE_OK && result != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
}

void BindText(sqlite3_stmt* statement, int index, const std::wstring& text) {
    const std::u16string units = ToUtf16(text);
    sqlite3_bind_text16(statement, index, units.c_str(), static_cast<int>(units.size() * 2),
                        SQLITE_TRANSIENT);
}

StatementPtr PrepareInsert(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    Check(sqlite3_prepare_v2(db, sql, -1, &statement, nullptr), db);
    return StatementPtr(statement);
}

}  // namespace

HostDatabase::HostDatabase(const std::wstring& path) {
    sqlite3* db = nullptr;
    const int result = sqlite3_open16(ToUtf16(path).c_str(), &db);
    db_.reset(db);
    Check(result, db);
}

void HostDatabase::CreateTables() {
    Execute(kSchema);
}

void HostDatabase::Execute(const std::string& sql) {
    Check(sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, nullptr), db_.get());
}

void HostDatabase::AddAssay(const Assay& assay) {
    const StatementPtr statement = PrepareInsert(
        db_.get(),
        "INSERT INTO assay (id, date, filename, sample, mixture, method, iscalibration, operator) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, 'Иванова Е. А.');");
    sqlite3_bind_int(statement.get(), 1, assay.id);
    sqlite3_bind_int64(statement.get(), 2, assay.date);
    BindText(statement.get(), 3, assay.fileName);
    BindText(statement.get(), 4, assay.sample);
    BindText(statement.get(), 5, assay.mixture);
    BindText(statement.get(), 6, assay.method);
    sqlite3_bind_int(statement.get(), 7, assay.isCalibration ? 1 : 0);
    Check(sqlite3_step(statement.get()), db_.get());
}

void HostDatabase::AddPeak(int32_t assayId, const Peak& peak) {
    const StatementPtr statement = PrepareInsert(
        db_.get(),
        "INSERT INTO peak (assayid, nameid, name, area, time, concentration, height, channel, front, back) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?);");
    sqlite3_bind_int(statement.get(), 1, assayId);
    BindText(statement.get(), 2, peak.nameId);
    if (!peak.name.empty()) BindText(statement.get(), 3, peak.name);
    sqlite3_bind_double(statement.get(), 4, peak.area);
    sqlite3_bind_double(statement.get(), 5, peak.time);
    sqlite3_bind_double(statement.get(), 6, peak.concentration);
    sqlite3_bind_double(statement.get(), 7, peak.height);
    sqlite3_bind_int(statement.get(), 8, peak.channel);
    sqlite3_bind_double(statement.get(), 9, peak.front);
    sqlite3_bind_double(statement.get(), 10, peak.back);
    Check(sqlite3_step(statement.get()), db_.get());
}
