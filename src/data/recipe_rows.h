// Whole recipes (name, ingredients, method) read straight from a table, for the search: no
// current row, no views to tell.
#pragma once

#include "data/connection.h"
#include "data/sqlite_handle.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace data {

struct RecipeRow {
    std::int64_t rowid = 0;
    std::optional<std::wstring> name;  // as stored: NULL stays nullopt
    std::wstring products;             // NULL reads as empty
    std::wstring burn;
};

// Every row of `table` (fields name, Products, Burn) in row order, each with its ordinal from 0.
void ReadRecipes(Connection& connection, std::wstring_view table,
                 const std::function<void(std::int64_t ordinal, RecipeRow row)>& sink);

// One read transaction for as long as it lives, so that many single reads lock the file once.
class ReadTransaction {
public:
    explicit ReadTransaction(Connection& connection);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    Connection& connection_;
};

// Reads single rows by rowid, each table's statement prepared once.
class RecipeReader {
public:
    explicit RecipeReader(Connection& connection) : connection_(connection) {}

    // The row with this rowid; nullopt when the table no longer has it.
    std::optional<RecipeRow> Read(std::wstring_view table, std::int64_t rowid);

private:
    Connection& connection_;
    std::map<std::wstring, Statement, std::less<>> statements_;
};

}  // namespace data
