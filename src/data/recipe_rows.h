// Whole recipes (name, ingredients, method) read and written straight in a table by their rowid:
// no current row, no views to tell. The search reads through them, the own-recipe store writes.
#pragma once

#include "data/connection.h"
#include "data/sqlite_handle.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace data {

// A recipe as it is written.
struct StoredRecipe {
    std::wstring name;
    std::wstring products;
    std::wstring burn;
    bool operator==(const StoredRecipe&) const = default;
};

struct RecipeRow {
    std::int64_t rowid = 0;
    std::optional<std::wstring> name;  // as stored: NULL stays nullopt
    std::wstring products;             // NULL reads as empty
    std::wstring burn;
};

// The table's own spelling of its fields Name, Products and Burn, in that order; throws base::Error
// naming the table or the field that the file at `path` lacks.
std::array<std::wstring, 3> RecipeFields(sqlite3* db, std::wstring_view table, const std::wstring& path);

// Every row of `table` (fields name, Products, Burn) in row order, each with its ordinal from 0.
void ReadRecipes(Connection& connection, std::wstring_view table,
                 const std::function<void(std::int64_t ordinal, RecipeRow row)>& sink);

// Every row's rowid and name (NULL as nullopt) in row order.
void ReadRecipeNames(Connection& connection, std::wstring_view table,
                     const std::function<void(std::int64_t rowid, std::optional<std::wstring> name)>& sink);

// The first row, other than `except`, whose Name equals `name` exactly: the same characters, in
// the same case, with the same blanks.
std::optional<std::int64_t> FindRecipeNamed(Connection& connection, std::wstring_view table, std::wstring_view name,
                                            std::optional<std::int64_t> except = std::nullopt);

// These change the file; a caller that checks before it writes holds a write transaction around both.
// A new row at the end; its rowid.
std::int64_t InsertRecipe(Connection& connection, std::wstring_view table, const StoredRecipe& recipe);
// New texts for the row; false when the table has no such row.
bool UpdateRecipe(Connection& connection, std::wstring_view table, std::int64_t rowid, const StoredRecipe& recipe);
void ReplaceRecipeTexts(Connection& connection, std::wstring_view table, std::int64_t rowid, std::wstring_view products,
                        std::wstring_view burn);
// False when the table has no such row.
bool DeleteRecipe(Connection& connection, std::wstring_view table, std::int64_t rowid);

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
