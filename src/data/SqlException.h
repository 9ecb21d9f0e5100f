#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace DataBase {

// The one exception of the database layer: SQLite's English message, its result code and the SQL
// text involved. The exception owns a copy of that text, so it stays readable after the statement
// it came from has been finalised.
class SqlException : public std::runtime_error {
public:
    // sql may be null (no statement was prepared) or empty (the database did not open).
    SqlException(const std::string& message, const char* sql, int32_t code);

    // The SQLite result code of the failure.
    int32_t Code() const noexcept { return code_; }
    // The SQL text, "" for a failed open, null when the failure came before a statement existed.
    const char* Sql() const noexcept { return sql_ ? sql_->c_str() : nullptr; }

private:
    int32_t code_;
    std::shared_ptr<const std::string> sql_;  // shared: copying an exception must not throw
};

}  // namespace DataBase
