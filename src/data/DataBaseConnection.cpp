#include "data/DataBaseConnection.h"

DataBaseConnection& DataBaseConnection::Instance() {
    static DataBaseConnection instance;
    return instance;
}

void DataBaseConnection::Store(const wchar_t* connectionString) {
    if (connectionString == nullptr) {
        connectionString_.reset();
    } else {
        connectionString_ = std::wstring(connectionString);
    }
}

const std::wstring* DataBaseConnection::ConnectionString() const {
    return connectionString_ ? &*connectionString_ : nullptr;
}
