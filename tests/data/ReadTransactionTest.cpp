#include "data/ReadTransaction.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/Statement.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

namespace {

int32_t CountRows(DataBase::DbHandle& db) {
    int32_t count = 0;
    DataBase::Statement statement = DataBase::Prepare(db, L"SELECT count(*) FROM t;");
    DataBase::ReadRows(statement, [&count](int32_t rows) { count = rows; });
    return count;
}

void Execute(DataBase::DbHandle& db, const char* sql) {
    ASSERT_EQ(sqlite3_exec(db.Get(), sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
}

class ReadTransactionTest : public ::testing::Test {
protected:
    ReadTransactionTest() {
        DataBaseConnection::Instance().Store(folder.File(L"host.db").c_str());
        DataBase::DbHandle db;
        Execute(db, "CREATE TABLE t (x INTEGER); INSERT INTO t VALUES (1);");
    }
    ~ReadTransactionTest() override { DataBaseConnection::Instance().Store(nullptr); }

    TempFolder folder;
};

}  // namespace

// Another connection's write waits for the end of the transaction: the reads in it see one state.
TEST_F(ReadTransactionTest, ReadsOneStateAndLetsGoAtItsEnd) {
    DataBase::DbHandle reader;
    DataBase::DbHandle writer;
    sqlite3_busy_timeout(writer.Get(), 0);
    {
        const DataBase::ReadTransaction transaction(reader);
        EXPECT_TRUE(transaction.Began());
        EXPECT_EQ(CountRows(reader), 1);
        EXPECT_EQ(sqlite3_exec(writer.Get(), "INSERT INTO t VALUES (2);", nullptr, nullptr, nullptr),
                  SQLITE_BUSY);
        EXPECT_EQ(CountRows(reader), 1);
    }
    EXPECT_NE(sqlite3_get_autocommit(reader.Get()), 0);
    Execute(writer, "INSERT INTO t VALUES (2);");
    EXPECT_EQ(CountRows(reader), 2);
}

TEST_F(ReadTransactionTest, InsideAnotherItReadsInThatOne) {
    DataBase::DbHandle db;
    const DataBase::ReadTransaction outer(db);
    {
        const DataBase::ReadTransaction inner(db);
        EXPECT_FALSE(inner.Began());
        EXPECT_EQ(CountRows(db), 1);
    }
    EXPECT_EQ(sqlite3_get_autocommit(db.Get()), 0);  // still the outer one's
}
