#include "data/DbHandle.h"

#include <sqlite3.h>

#include <string>

#include "data/DataBaseConnection.h"
#include "data/SqlException.h"
#include "platform/WideText.h"

namespace DataBase {

namespace {

// The failure of opening carries an empty SQL text: no statement was involved.
void CheckOpen(int result, sqlite3* handle) {
    if (result != SQLITE_OK) throw SqlException(sqlite3_errmsg(handle), "", result);
}

}  // namespace

void DbHandle::Closer::operator()(sqlite3* handle) const noexcept {
    sqlite3_close(handle);
}

DbHandle::DbHandle() {
    const std::wstring* connection = DataBaseConnection::Instance().ConnectionString();
    // Passed as a plain file name: URI names are not enabled, so "file:" means nothing special.
    const std::u16string fileName = connection != nullptr ? ToUtf16(*connection) : std::u16string();
    sqlite3* opened = nullptr;
    const int result = sqlite3_open16(fileName.c_str(), &opened);
    // SQLite hands out a handle even when opening fails; it must be closed all the same.
    handle_.reset(opened);
    CheckOpen(result, opened);
    CheckOpen(sqlite3_db_config(opened, SQLITE_DBCONFIG_ENABLE_FKEY, 1, nullptr), opened);
}

}  // namespace DataBase
