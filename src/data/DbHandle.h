#pragma once

#include <memory>

struct sqlite3;

namespace DataBase {

// The host database, open for the length of one user command. It is opened by the constructor
// with the string held by DataBaseConnection and closed by the destructor, also when an exception
// leaves the command. A query that meets the host writing waits a few seconds for it.
class DbHandle {
public:
    // Opens the database (a missing file is created empty; no string gives a private temporary
    // database); throws SqlException when it does not open.
    DbHandle();

    DbHandle(const DbHandle&) = delete;
    DbHandle& operator=(const DbHandle&) = delete;
    DbHandle(DbHandle&&) noexcept = default;
    DbHandle& operator=(DbHandle&&) noexcept = default;

    // The open connection.
    sqlite3* Get() const noexcept { return handle_.get(); }

private:
    struct Closer {
        void operator()(sqlite3* handle) const noexcept;
    };
    std::unique_ptr<sqlite3, Closer> handle_;
};

}  // namespace DataBase
