// Reading and writing whole recipes by row.
#include "data/recipe_rows.h"

#include "base/error.h"
#include "base/names.h"
#include "data/messages.h"
#include "data/sqlite_handle.h"

#include <algorithm>
#include <vector>

namespace data {
namespace {

std::string SelectRecipes(std::wstring_view table)
{
    return "SELECT rowid, name, Products, Burn FROM " + QuoteIdentifier(table);
}

RecipeRow RowOf(const Statement& statement)
{
    return {statement.Integer(0), statement.Text(1), statement.Text(2).value_or(L""), statement.Text(3).value_or(L"")};
}

}  // namespace

std::array<std::wstring, 3> RecipeFields(sqlite3* db, std::wstring_view table, const std::wstring& path)
{
    constexpr std::array<std::wstring_view, 3> kFields{L"Name", L"Products", L"Burn"};
    Statement columns(db, "SELECT name FROM pragma_table_info(?1)");
    columns.Bind(1, table);
    std::vector<std::wstring> names;
    while (columns.Step())
        names.push_back(columns.Text(0).value_or(L""));
    if (names.empty())
        throw base::Error(messages::TableMissing(table, path));
    std::array<std::wstring, 3> stored;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const auto found = std::ranges::find_if(names, [&](const std::wstring& name) { return base::SameName(name, kFields[i]); });
        if (found == names.end())
            throw base::Error(messages::FieldMissing(kFields[i], table));
        stored[i] = *found;
    }
    return stored;
}

void ReadRecipes(Connection& connection, std::wstring_view table,
                 const std::function<void(std::int64_t ordinal, RecipeRow row)>& sink)
{
    Statement rows(connection.Handle(), SelectRecipes(table) + " ORDER BY rowid");
    for (std::int64_t ordinal = 0; rows.Step(); ++ordinal)
        sink(ordinal, RowOf(rows));
}

void ReadRecipeNames(Connection& connection, std::wstring_view table,
                     const std::function<void(std::int64_t rowid, std::optional<std::wstring> name)>& sink)
{
    Statement rows(connection.Handle(), "SELECT rowid, name FROM " + QuoteIdentifier(table) + " ORDER BY rowid");
    while (rows.Step())
        sink(rows.Integer(0), rows.Text(1));
}

std::optional<std::int64_t> FindRecipeNamed(Connection& connection, std::wstring_view table, std::wstring_view name,
                                            std::optional<std::int64_t> except)
{
    // Compared as stored, byte for byte: the column has no collation of its own.
    Statement find(connection.Handle(), "SELECT rowid FROM " + QuoteIdentifier(table) +
                                            " WHERE Name = ?1 COLLATE BINARY AND rowid IS NOT ?2 ORDER BY rowid LIMIT 1");
    find.Bind(1, name);
    if (except)
        find.Bind(2, *except);
    return find.Step() ? std::optional(find.Integer(0)) : std::nullopt;
}

std::int64_t InsertRecipe(Connection& connection, std::wstring_view table, const StoredRecipe& recipe)
{
    Statement insert(connection.Handle(), "INSERT INTO " + QuoteIdentifier(table) + " (Name, Products, Burn) VALUES (?1, ?2, ?3)");
    insert.Bind(1, recipe.name).Bind(2, recipe.products).Bind(3, recipe.burn).Run();
    return sqlite3_last_insert_rowid(connection.Handle());
}

bool UpdateRecipe(Connection& connection, std::wstring_view table, std::int64_t rowid, const StoredRecipe& recipe)
{
    Statement update(connection.Handle(),
                     "UPDATE " + QuoteIdentifier(table) + " SET Name = ?1, Products = ?2, Burn = ?3 WHERE rowid = ?4");
    update.Bind(1, recipe.name).Bind(2, recipe.products).Bind(3, recipe.burn).Bind(4, rowid).Run();
    return sqlite3_changes(connection.Handle()) == 1;
}

void ReplaceRecipeTexts(Connection& connection, std::wstring_view table, std::int64_t rowid, std::wstring_view products,
                        std::wstring_view burn)
{
    Statement update(connection.Handle(), "UPDATE " + QuoteIdentifier(table) + " SET Products = ?1, Burn = ?2 WHERE rowid = ?3");
    update.Bind(1, products).Bind(2, burn).Bind(3, rowid).Run();
}

bool DeleteRecipe(Connection& connection, std::wstring_view table, std::int64_t rowid)
{
    Statement remove(connection.Handle(), "DELETE FROM " + QuoteIdentifier(table) + " WHERE rowid = ?1");
    remove.Bind(1, rowid).Run();
    return sqlite3_changes(connection.Handle()) == 1;
}

ReadTransaction::ReadTransaction(Connection& connection) : connection_(connection)
{
    Statement(connection_.Handle(), "BEGIN").Run();
}

ReadTransaction::~ReadTransaction()
{
    // Ending a read changes nothing: a failure here has nothing to undo.
    sqlite3_exec(connection_.Handle(), "COMMIT", nullptr, nullptr, nullptr);
}

std::optional<RecipeRow> RecipeReader::Read(std::wstring_view table, std::int64_t rowid)
{
    auto statement = statements_.find(table);
    if (statement == statements_.end())
        statement = statements_.emplace(table, Statement(connection_.Handle(), SelectRecipes(table) + " WHERE rowid = ?1")).first;
    Statement& row = statement->second;
    row.Bind(1, rowid);
    std::optional<RecipeRow> found;
    if (row.Step())
        found = RowOf(row);
    row.Reset();
    return found;
}

}  // namespace data
