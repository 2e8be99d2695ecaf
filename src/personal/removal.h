// The remove item of both own-recipe windows' lists.
#pragma once
#include "personal/recipe_store.h"

#include <windows.h>

#include <optional>

namespace personal {

// Asks, then, when a recipe is chosen, deletes it through the store, which tells every window, and
// says it is done. Returns whether a recipe was removed: not when the user said no or none was chosen.
bool RemoveRecipe(HWND owner, RecipeStore& store, std::optional<RecipeId> chosen);

}
