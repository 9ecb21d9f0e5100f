#include "data/ReadTransaction.h"

#include <sqlite3.h>

#include "data/DbHandle.h"

namespace DataBase {

ReadTransaction::ReadTransaction(DbHandle& db) noexcept : db_(db) {
    // A deferred transaction takes no lock until its first read, so beginning it never waits for the
    // host.
    began_ = sqlite3_get_autocommit(db.Get()) != 0 &&
             sqlite3_exec(db.Get(), "BEGIN DEFERRED", nullptr, nullptr, nullptr) == SQLITE_OK;
}

ReadTransaction::~ReadTransaction() {
    if (!began_) return;
    // Nothing was written, so ending it only lets go of the read lock; a rollback does that whatever
    // kept the commit from going through.
    if (sqlite3_exec(db_.Get(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        sqlite3_exec(db_.Get(), "ROLLBACK", nullptr, nullptr, nullptr);
}

}  // namespace DataBase
