#pragma once

#include <optional>
#include <string>

// Where the host database is: the connection string the host hands over (the command-line tool
// stores its --db path instead). One instance for the whole plug-in, created on first use.
class DataBaseConnection {
public:
    // The single instance; it starts without a string and lives until the library is unloaded.
    static DataBaseConnection& Instance();

    virtual ~DataBaseConnection() = default;
    DataBaseConnection(const DataBaseConnection&) = delete;
    DataBaseConnection& operator=(const DataBaseConnection&) = delete;

    // Keeps a private copy of the string, replacing the previous one; null drops it.
    void Store(const wchar_t* connectionString);
    // The stored string, or null when none was stored.
    const std::wstring* ConnectionString() const;

private:
    DataBaseConnection() = default;

    std::optional<std::wstring> connectionString_;
};
