// The list fill and the recipe shown for a list entry, as every recipe list of the program has them.
#pragma once
#include "bound/db_memo.h"
#include "data/table.h"
#include "ui/controls.h"

#include <functional>
#include <string>
#include <vector>

namespace catalogue {

// Appends field `name` of each row, from the current row to the end, to `list` and to `names`
// (the list's entries kept beside it, for the search), reading the names with one statement.
// `showCount` gets the number of rows listed once the fill ends, or stops at a null name with an
// error; it is not called when no row was listed. Returns that number.
int FillNames(data::Table& table, ui::ListBox& list, std::vector<std::wstring>& names,
              const std::function<void(int)>& showCount);

// Shows the recipe of list entry `index` (the first row when no entry is chosen) in the two views.
// List entry k is the row reached by moving to the first row and then k times to the next one. The
// table moves first and the views are bound after, so each view loads the chosen row once: views
// bound by an earlier choice follow the move, and binding them again to the same field shows nothing new.
void ShowRecipeAt(data::Table& table, int index, bound::DbMemo& products, const std::wstring& productsField,
                  bound::DbMemo& method, const std::wstring& methodField);

}
