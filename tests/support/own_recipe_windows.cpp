// The own-recipe windows for tests.
#include "support/own_recipe_windows.h"

#include "personal/windows.h"

namespace test_support {

void OwnRecipeWindows::OpenOwnRecipes(const std::vector<MyRecipe>& rows, ui::Color color, components::KeyboardLayouts& layouts,
                                      output::Services output)
{
    CloseOwnRecipes();
    WriteMyRecipes(rows);
    store.emplace();
    add = std::make_unique<TForm4>(*store, color, layouts);
    mine = std::make_unique<TForm5>(*store, color, output);
    Form4 = add.get();
    Form5 = mine.get();
}

void OwnRecipeWindows::CloseOwnRecipes()
{
    Form4 = nullptr;
    Form5 = nullptr;
    add.reset();
    mine.reset();
    store.reset();
}

}
