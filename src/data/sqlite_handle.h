// Owning handles for SQLite connections and statements, and a prepared statement with bound parameters.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace data {

struct DatabaseCloser {
    void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
};
using DatabaseHandle = std::unique_ptr<sqlite3, DatabaseCloser>;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Opens the SQLite file at `path` with sqlite3_open_v2's `flags`; throws base::Error naming the
// file and SQLite's reason when it cannot.
DatabaseHandle OpenDatabase(const std::wstring& path, int flags);

// Refuses, naming the file, what SQLite would take for a new, empty database: a missing file, a
// folder, an empty file. Returns the file's attributes.
unsigned long RequireDatabaseFile(const std::wstring& path);

// Table and column names go into SQL only this way; values only as bound parameters.
std::string QuoteIdentifier(std::wstring_view name);

// One prepared statement. Failures throw base::Error naming the database file and SQLite's reason.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);

    // Parameters are numbered from 1, as in SQLite.
    Statement& Bind(int parameter, std::wstring_view text);
    Statement& Bind(int parameter, std::int64_t value);
    // The value of another statement's current row, as stored: no conversion on the way.
    Statement& BindColumn(int parameter, const Statement& source, int column);

    // True while a row is available; false once the statement is done.
    bool Step();
    void Run();
    // Ends the current run so the statement holds no read lock, keeping it prepared with its bindings.
    void Reset() noexcept;

    int ColumnCount() const;
    std::wstring ColumnName(int column) const;
    std::int64_t Integer(int column) const;
    // A column's value as the user sees it: numbers as written ("12", "0.5"), NULL as nullopt.
    std::optional<std::wstring> Text(int column) const;

private:
    [[noreturn]] void Fail() const;

    sqlite3* db_;
    StatementHandle statement_;
};

}  // namespace data
