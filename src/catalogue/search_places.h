// Where a found recipe lives: the place a result names, and its entry in a list filled from its table.
#pragma once
#include "catalogue/categories.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// The category as the status bar names it ("Бърза кухня - Супи"); the encyclopedia is "Подправки".
std::wstring PlaceOf(const Category& category);

// The list entry of the recipe that was at `ordinal` when it was found: that entry while it still
// carries `name`, else the first entry that does; nullopt when none does.
std::optional<int> PlaceInList(const std::vector<std::wstring>& names, int ordinal, std::wstring_view name);

}
