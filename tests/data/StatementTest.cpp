#include "data/Statement.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <vector>

#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/SqlException.h"

namespace {

// Each test works on a private temporary database.
class StatementTest : public ::testing::Test {
protected:
    StatementTest() : db(Open()) {
        DataBase::Statement create =
            DataBase::Prepare(db, L"CREATE TABLE t (i INTEGER, j INTEGER, d REAL, s TEXT);");
        DataBase::ReadRows(create, [] {});
    }

    static DataBase::DbHandle Open() {
        DataBaseConnection::Instance().Store(nullptr);
        return DataBase::DbHandle();
    }

    bool AllFinalised() const { return sqlite3_next_stmt(db.Get(), nullptr) == nullptr; }

    DataBase::DbHandle db;
};

}  // namespace

TEST_F(StatementTest, NullColumnsReachTheHandlerAsZeroOrEmptyText) {
    DataBase::Statement insert = DataBase::Prepare(db, L"INSERT INTO t VALUES (NULL, NULL, NULL, NULL);");
    DataBase::ReadRows(insert, [] {});
    DataBase::Statement select = DataBase::Prepare(db, L"SELECT i, j, d, s FROM t;");
    int rows = 0;
    DataBase::ReadRows(select, [&](int32_t i, int64_t j, double d, const std::wstring& s) {
        ++rows;
        EXPECT_EQ(i, 0);
        EXPECT_EQ(j, 0);
        EXPECT_EQ(d, 0.0);
        EXPECT_EQ(s, L"");
    });
    EXPECT_EQ(rows, 1);
    EXPECT_TRUE(AllFinalised());
}

TEST_F(StatementTest, NoRowMeansNoCallAndAFinalisedStatement) {
    DataBase::Statement select = DataBase::Prepare(db, L"SELECT i FROM t;");
    int calls = 0;
    DataBase::ReadRows(select, [&](int32_t) { ++calls; });
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(AllFinalised());
}

TEST_F(StatementTest, StepFailingAfterSomeRowsKeepsThemAndCarriesTheSqlText) {
    const char sql[] =
        "WITH n(x) AS (VALUES (1), (2), (3)) SELECT CASE WHEN x < 3 THEN x ELSE abs(-9223372036854775807 - "
        "1) END "
        "FROM n;";
    std::vector<int32_t> handled;
    try {
        DataBase::Statement select = DataBase::Prepare(db, std::wstring(sql, sql + sizeof sql - 1));
        DataBase::ReadRows(select, [&](int32_t x) { handled.push_back(x); });
        FAIL() << "no exception";
    } catch (const DataBase::SqlException& error) {
        EXPECT_EQ(handled, (std::vector<int32_t>{1, 2}));
        EXPECT_EQ(error.Code(), SQLITE_ERROR);
        EXPECT_STREQ(error.Sql(), sql);  // still readable: the statement is gone by now
        EXPECT_TRUE(AllFinalised());
    }
}

TEST_F(StatementTest, RejectedSqlThrowsWithoutSqlText) {
    try {
        DataBase::Prepare(db, L"SELEKT 1;");
        FAIL() << "prepared";
    } catch (const DataBase::SqlException& error) {
        EXPECT_EQ(error.Code(), SQLITE_ERROR);
        EXPECT_EQ(error.Sql(), nullptr);
        EXPECT_NE(std::string(error.what()).find("syntax error"), std::string::npos);
    }
}
