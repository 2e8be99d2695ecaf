// Reading whole recipes by row.
#include "data/recipe_rows.h"

#include "data/sqlite_handle.h"

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

void ReadRecipes(Connection& connection, std::wstring_view table,
                 const std::function<void(std::int64_t ordinal, RecipeRow row)>& sink)
{
    Statement rows(connection.Handle(), SelectRecipes(table) + " ORDER BY rowid");
    for (std::int64_t ordinal = 0; rows.Step(); ++ordinal)
        sink(ordinal, RowOf(rows));
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
