// Finding the next recipe in the list whose name contains a text.
#pragma once
#include "ui/controls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

inline constexpr std::wstring_view kNoMoreRecipes = L"Няма открити други рецепти!!!";

// Looks at the entries from `findPos` on, moving `findPos` past each one it examines; selects in
// `list` the first entry that contains `text` (case-sensitive, character for character) and
// returns true. An empty text occurs nowhere. `names` are the list's entries, kept beside it as
// the fill listed them, so the search does not read every entry back from the control.
bool FindNext(const std::vector<std::wstring>& names, ui::ListBox& list, std::int32_t& findPos, std::wstring_view text);

}
