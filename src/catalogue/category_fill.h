// The list fill and the positional selection that every recipe list of the program uses.
#pragma once
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

// List entry k is the row reached by moving to the first row and then k times to the next one.
void MoveToPosition(data::Table& table, int index);

}
