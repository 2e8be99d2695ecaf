// The list fill and the positional selection that every recipe list of the program uses.
#pragma once
#include "data/table.h"
#include "ui/controls.h"

#include <functional>

namespace catalogue {

// Appends field `name` of each row to `list`, from the current row to the end; after each row
// `onRow` gets the number of rows listed so far. A null name stops the fill with an error.
// `counter`, the control that shows the count, is redrawn once at the end like the list.
void FillNames(data::Table& table, ui::ListBox& list, ui::Control& counter, const std::function<void(int)>& onRow);

// List entry k is the row reached by moving to the first row and then k times to the next one.
void MoveToPosition(data::Table& table, int index);

}
