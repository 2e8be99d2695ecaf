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

std::optional<RecipeRow> ReadRecipe(Connection& connection, std::wstring_view table, std::int64_t rowid)
{
    Statement row(connection.Handle(), SelectRecipes(table) + " WHERE rowid = ?1");
    row.Bind(1, rowid);
    if (!row.Step())
        return std::nullopt;
    return RowOf(row);
}

}  // namespace data
