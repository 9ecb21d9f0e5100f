#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

struct sqlite3_stmt;

namespace DataBase {

class DbHandle;

// One prepared statement; finalised when its rows have all been read or, on every other path, when
// it goes out of scope.
class Statement {
public:
    Statement() = default;
    explicit Statement(sqlite3_stmt* statement) : statement_(statement) {}

    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&&) noexcept = default;
    Statement& operator=(Statement&&) noexcept = default;

    sqlite3_stmt* Get() const noexcept { return statement_.get(); }
    void Finalize() noexcept { statement_.reset(); }

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const noexcept;
    };
    std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
};

// Prepares an SQL text on an open database; throws SqlException (without SQL text) when SQLite
// rejects it. Values never go into the text: they are bound.
Statement Prepare(DbHandle& db, const std::wstring& sql);

// Binds parameter 1; SQLite's result is not needed, as the statements have exactly one parameter.
void BindInt(Statement& statement, int32_t value);
void BindInt64(Statement& statement, int64_t value);

// Steps once: true for a row; false when the statement is done, which also finalises it. Any
// other result throws SqlException with the statement's SQL text.
bool StepRow(Statement& statement);

// Column `index` of the current row; NULL reads as 0, 0, 0.0 or empty text.
template <typename T>
T ReadColumn(Statement& statement, int index);
template <>
int32_t ReadColumn<int32_t>(Statement& statement, int index);
template <>
int64_t ReadColumn<int64_t>(Statement& statement, int index);
template <>
double ReadColumn<double>(Statement& statement, int index);
template <>
std::wstring ReadColumn<std::wstring>(Statement& statement, int index);
// A number, also one the host stored as text ("5.1", " 5,1 ": the whole text one finite number, as
// ReadWholeNumber reads it); nothing when the column holds NULL, other text or a blob: a value the host
// never gave.
template <>
std::optional<double> ReadColumn<std::optional<double>>(Statement& statement, int index);

namespace detail {

// The column types a row handler declares: the types of its parameters, in order.
template <typename Handler>
struct RowColumns : RowColumns<decltype(&Handler::operator())> {};
template <typename Class, typename Result, typename... Args>
struct RowColumns<Result (Class::*)(Args...) const> {
    using Types = std::tuple<std::decay_t<Args>...>;
};
template <typename Class, typename Result, typename... Args>
struct RowColumns<Result (Class::*)(Args...)> {
    using Types = std::tuple<std::decay_t<Args>...>;
};

template <typename Row, std::size_t... Index>
Row ReadRow(Statement& statement, std::index_sequence<Index...>) {
    // Braced initialisation reads the columns from left to right.
    return Row{ReadColumn<std::tuple_element_t<Index, Row>>(statement, static_cast<int>(Index))...};
}

}  // namespace detail

// Hands every row to the handler, whose parameters say how columns 0, 1, 2, ... are read
// (int32_t, int64_t, double, std::optional<double> or std::wstring). The statement is finalised afterwards.
template <typename Handler>
void ReadRows(Statement& statement, Handler&& handler) {
    using Row = typename detail::RowColumns<std::decay_t<Handler>>::Types;
    while (StepRow(statement)) {
        std::apply(handler,
                   detail::ReadRow<Row>(statement, std::make_index_sequence<std::tuple_size_v<Row>>()));
    }
}

}  // namespace DataBase
