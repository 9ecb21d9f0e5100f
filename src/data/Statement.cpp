#include "data/Statement.h"

#include <sqlite3.h>

#include "data/DbHandle.h"
#include "data/SqlException.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"

namespace DataBase {

void Statement::Finalizer::operator()(sqlite3_stmt* statement) const noexcept {
    sqlite3_finalize(statement);
}

Statement Prepare(DbHandle& db, const std::wstring& sql) {
    const std::u16string text = ToUtf16(sql);
    sqlite3_stmt* prepared = nullptr;
    const int result = sqlite3_prepare16_v2(db.Get(), text.c_str(), -1, &prepared, nullptr);
    Statement statement(prepared);
    if (result != SQLITE_OK) throw SqlException(sqlite3_errmsg(db.Get()), sqlite3_sql(prepared), result);
    return statement;
}

void BindInt(Statement& statement, int32_t value) {
    sqlite3_bind_int(statement.Get(), 1, value);
}

void BindInt64(Statement& statement, int64_t value) {
    sqlite3_bind_int64(statement.Get(), 1, value);
}

bool StepRow(Statement& statement) {
    const int result = sqlite3_step(statement.Get());
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) {
        statement.Finalize();
        return false;
    }
    // The exception copies the SQL text; the statement is finalised when its owner unwinds.
    throw SqlException(sqlite3_errstr(result), sqlite3_sql(statement.Get()), result);
}

template <>
int32_t ReadColumn<int32_t>(Statement& statement, int index) {
    if (sqlite3_column_type(statement.Get(), index) == SQLITE_NULL) return 0;
    return sqlite3_column_int(statement.Get(), index);
}

template <>
int64_t ReadColumn<int64_t>(Statement& statement, int index) {
    if (sqlite3_column_type(statement.Get(), index) == SQLITE_NULL) return 0;
    return sqlite3_column_int64(statement.Get(), index);
}

template <>
double ReadColumn<double>(Statement& statement, int index) {
    if (sqlite3_column_type(statement.Get(), index) == SQLITE_NULL) return 0.0;
    return sqlite3_column_double(statement.Get(), index);
}

template <>
std::optional<double> ReadColumn<std::optional<double>>(Statement& statement, int index) {
    const int type = sqlite3_column_type(statement.Get(), index);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) return sqlite3_column_double(statement.Get(), index);
    // A column without a numeric type keeps what the host wrote as text.
    if (type == SQLITE_TEXT) return ReadWholeNumber(ReadColumn<std::wstring>(statement, index));
    return std::nullopt;
}

template <>
std::wstring ReadColumn<std::wstring>(Statement& statement, int index) {
    if (sqlite3_column_type(statement.Get(), index) == SQLITE_NULL) return std::wstring();
    return FromUtf16(static_cast<const char16_t*>(sqlite3_column_text16(statement.Get(), index)));
}

}  // namespace DataBase
