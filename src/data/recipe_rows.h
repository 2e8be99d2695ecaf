// Whole recipes (name, ingredients, method) read straight from a table, for the search: no
// current row, no views to tell.
#pragma once

#include "data/connection.h"

#include <cstdint>
#include <functional>
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

// The row with this rowid; nullopt when the table no longer has it.
std::optional<RecipeRow> ReadRecipe(Connection& connection, std::wstring_view table, std::int64_t rowid);

}  // namespace data
