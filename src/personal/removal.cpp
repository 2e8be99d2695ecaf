// The remove item of the own-recipe windows.
#include "personal/removal.h"

#include "personal/boxes.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"

namespace personal {

bool RemoveSelected(HWND owner, data::Table& table, ui::ListBox& list, const std::function<void(int)>& removedAt)
{
    if (!AskYes(owner, kDeleteQuestion))
        return false;
    const int index = list.SelectedIndex();
    if (index < 0)
        return false;
    DeleteAt(table, index, list.Item(index));
    list.Remove(index);
    removedAt(index);
    Tell(kDeleted);
    table.Refresh();
    return true;
}

}
