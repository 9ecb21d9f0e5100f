#pragma once

namespace DataBase {

class DbHandle;

// A read transaction on the host database while the object lives: what is read meanwhile is one state
// of the database (a chromatogram's row and its peaks agree), and the database is locked for reading
// once instead of once for each statement. Nothing is written in it. Statements read in it must be
// finalised before it ends.
class ReadTransaction {
public:
    // Begins one; a connection already in a transaction, or one where beginning fails, reads as it
    // would without.
    explicit ReadTransaction(DbHandle& db) noexcept;
    // Ends it; never fails.
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

    // Whether this object began a transaction.
    bool Began() const { return began_; }

private:
    DbHandle& db_;
    bool began_ = false;
};

}  // namespace DataBase
