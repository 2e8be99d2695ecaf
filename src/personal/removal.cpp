// The remove item of the own-recipe windows.
#include "personal/removal.h"

#include "personal/texts.h"
#include "ui/boxes.h"

namespace personal {

bool RemoveRecipe(HWND owner, RecipeStore& store, std::optional<RecipeId> chosen)
{
    if (!ui::AskYes(owner, kDeleteQuestion) || !chosen)
        return false;
    store.Delete(*chosen);
    ui::Tell(kDeleted);
    return true;
}

}
