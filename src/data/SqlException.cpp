#include "data/SqlException.h"

namespace DataBase {

SqlException::SqlException(const std::string& message, const char* sql, int32_t code)
    : std::runtime_error(message),
      code_(code),
      sql_(sql != nullptr ? std::make_shared<const std::string>(sql) : nullptr) {}

}  // namespace DataBase
