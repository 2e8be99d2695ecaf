// Whole copies of a recipe file: written with SQLite's online backup while the file stays open,
// and read back only after the copy has proved sound and shaped as a recipe table.
#pragma once

#include "data/connection.h"
#include "data/recipe_rows.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace data {

// Copies the connection's whole file to `target`, page by page, while other connections may go on
// using it: the copy is one consistent state of the file. It is written beside the target under
// another name, checked, and only then put in the target's place, so a failure leaves whatever
// was at `target` as it was. Returns how many rows `table` has in the copy. Throws base::Error.
std::size_t BackUp(Connection& source, const std::wstring& target, std::wstring_view table);

// The recipes of `table` in the file at `path`, in stored order, read without changing the file.
// Throws base::Error when the file is missing, is not a database, fails SQLite's integrity check,
// lacks the table or one of its fields Name, Products and Burn, or has a row without a name.
std::vector<StoredRecipe> ReadRecipeFile(const std::wstring& path, std::wstring_view table);

}  // namespace data
