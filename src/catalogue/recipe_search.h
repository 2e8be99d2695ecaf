// Finding the next recipe in the list whose name contains a text.
#pragma once
#include "ui/controls.h"

#include <cstdint>
#include <string_view>

namespace catalogue {

inline constexpr std::wstring_view kNoMoreRecipes = L"Няма открити други рецепти!!!";

// Looks at the entries from `findPos` on, moving `findPos` past each one it examines; selects the
// first entry that contains `text` (case-sensitive, character for character) and returns true.
// An empty text occurs nowhere.
bool FindNext(ui::ListBox& list, std::int32_t& findPos, std::wstring_view text);

}
