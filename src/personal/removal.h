// The remove item of both own-recipe windows' lists.
#pragma once
#include "data/table.h"
#include "ui/controls.h"

#include <windows.h>

#include <functional>

namespace personal {

// Asks, then removes the recipe of the entry selected in `list` from the file and from the list, and
// tells the other window (`removedAt` gets the entry's index) before the user hears it is done.
// Returns whether a recipe was removed: not when the user said no or no entry was selected.
bool RemoveSelected(HWND owner, data::Table& table, ui::ListBox& list, const std::function<void(int)>& removedAt);

}
