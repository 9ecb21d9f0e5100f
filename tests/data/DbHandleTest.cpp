#include "data/DbHandle.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "HostDatabase.h"

#include "data/DataBaseConnection.h"
#include "data/SqlException.h"
#include "data/Statement.h"
#include "platform/FileSystemPath.h"
#include "support/TempFolder.h"

namespace {

void Execute(DataBase::DbHandle& db, const std::wstring& sql) {
    DataBase::Statement statement = DataBase::Prepare(db, sql);
    DataBase::ReadRows(statement, [] {});
}

class DbHandleTest : public ::testing::Test {
protected:
    ~DbHandleTest() override { DataBaseConnection::Instance().Store(nullptr); }

    TempFolder folder;
};

}  // namespace

TEST_F(DbHandleTest, WithoutConnectionStringTheFirstQueryFailsWithNoSuchTable) {
    DataBaseConnection::Instance().Store(nullptr);
    DataBase::DbHandle db;
    try {
        Execute(db, L"SELECT id FROM [assay];");
        FAIL() << "no exception";
    } catch (const DataBase::SqlException& error) {
        EXPECT_STREQ(error.what(), "no such table: assay");
        EXPECT_EQ(error.Code(), 1);
        EXPECT_EQ(error.Sql(), nullptr);
    }
}

TEST_F(DbHandleTest, OpensTheStringStoredLastAndCreatesAMissingFile) {
    const std::wstring first = folder.File(L"Первая.db");
    DataBaseConnection::Instance().Store(first.c_str());
    {
        DataBase::DbHandle db;
        Execute(db, L"CREATE TABLE assay (id INTEGER);");
    }
    EXPECT_TRUE(std::filesystem::exists(ToFileSystemPath(first)));
    const std::wstring second = folder.File(L"second.db");
    DataBaseConnection::Instance().Store(second.c_str());
    DataBase::DbHandle db;
    EXPECT_THROW(Execute(db, L"SELECT id FROM [assay];"), DataBase::SqlException);
}

TEST_F(DbHandleTest, FailureToOpenCarriesAnEmptySqlText) {
    const std::wstring inMissingFolder = folder.File(L"нет") + L"/host.db";
    DataBaseConnection::Instance().Store(inMissingFolder.c_str());
    try {
        DataBase::DbHandle db;
        FAIL() << "opened";
    } catch (const DataBase::SqlException& error) {
        EXPECT_EQ(error.Code(), SQLITE_CANTOPEN);
        ASSERT_NE(error.Sql(), nullptr);
        EXPECT_STREQ(error.Sql(), "");
    }
}

#ifndef _WIN32  // ':' and '?' cannot be part of a Windows file name
TEST_F(DbHandleTest, ConnectionStringStartingWithFileIsAPlainFileName) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(ToFileSystemPath(folder.Path()));
    DataBaseConnection::Instance().Store(L"file:host.db?mode=ro");
    {
        DataBase::DbHandle db;
        Execute(db, L"CREATE TABLE assay (id INTEGER);");  // as a URI, mode=ro would forbid this
    }
    std::filesystem::current_path(previous);
    EXPECT_TRUE(std::filesystem::exists(ToFileSystemPath(folder.File(L"file:host.db?mode=ro"))));
}
#endif

// A busy database is not waited for: the first step that meets the host writing throws SQLite's own text
// with its code and the statement's SQL.
TEST_F(DbHandleTest, AStepThatMeetsAWriterFailsAtOnceWithTheStatementsText) {
    const std::wstring path = folder.File(L"host.db");
    HostDatabase writer(path);
    writer.Execute("CREATE TABLE t (x INTEGER);");
    DataBaseConnection::Instance().Store(path.c_str());
    DataBase::DbHandle db;
    DataBase::Statement statement = DataBase::Prepare(db, L"SELECT count(*) FROM t;");
    writer.Execute("BEGIN EXCLUSIVE; INSERT INTO t VALUES (7);");
    try {
        DataBase::ReadRows(statement, [](int64_t) {});
        ADD_FAILURE() << "no exception";
    } catch (const DataBase::SqlException& error) {
        EXPECT_STREQ(error.what(), "database is locked");
        EXPECT_EQ(error.Code(), SQLITE_BUSY);
        EXPECT_STREQ(error.Sql(), "SELECT count(*) FROM t;");
    }
    writer.Execute("COMMIT;");
}
