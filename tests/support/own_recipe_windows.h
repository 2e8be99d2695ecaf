// The two own-recipe windows on one store, as start-up makes them, with their program-wide
// references set, for tests to derive from beside their application fixture.
#pragma once
#include "components/keyboard_layouts.h"
#include "output/services.h"
#include "personal/addrecepies.h"
#include "personal/myrecepies.h"
#include "personal/recipe_store.h"
#include "support/my_recipes_db.h"
#include "ui/color.h"

#include <memory>
#include <optional>
#include <vector>

namespace test_support {

class OwnRecipeWindows {
protected:
    ~OwnRecipeWindows() { CloseOwnRecipes(); }
    // Writes the own-recipe file with these rows (closing what was open on it) and opens the store
    // and both windows on it.
    void OpenOwnRecipes(const std::vector<MyRecipe>& rows, ui::Color color, components::KeyboardLayouts& layouts,
                        output::Services output = {});
    void CloseOwnRecipes();

    std::optional<personal::RecipeStore> store;
    std::unique_ptr<TForm4> add;
    std::unique_ptr<TForm5> mine;
};

}
