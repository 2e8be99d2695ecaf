// What the two windows that browse recipes share (the main window over the catalogue, the
// my-recipes window over the own recipes): a list of recipe names filled from a table, the chosen
// recipe's ingredients and method in two field-bound views, and the commands that take the recipe
// on screen out of the program (print, save, copy) with their keys and the views' copy item.
// The controls and the table stay the windows' own; the browser works on them.
#pragma once
#include "bound/db_memo.h"
#include "data/table.h"
#include "output/document.h"
#include "output/services.h"
#include "ui/color.h"
#include "ui/controls.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace catalogue {

class RecipeBrowser {
public:
    struct Parts {
        HWND owner;
        ui::ListBox& list;
        bound::DbMemo& products;
        bound::DbMemo& method;
        data::Table& table;
    };
    RecipeBrowser(Parts parts, output::Services services);
    RecipeBrowser(const RecipeBrowser&) = delete;
    RecipeBrowser& operator=(const RecipeBrowser&) = delete;

    // The list emptied, the views blanked, and the table's names listed from its current row on
    // (the category fill); `showCount` as catalogue::FillNames calls it. Returns the number listed.
    // `place` is where the listed recipes live, as a recipe taken out of the program names it.
    int Fill(std::wstring place, const std::function<void(int)>& showCount);
    // The list's entries as the last fill listed them, for the searches.
    const std::vector<std::wstring>& Names() const { return names_; }

    // The recipe of the chosen entry (the first row when none is chosen) in the views.
    void ShowChosen();
    // Both views blank, bound to nothing.
    void ShowNone();
    void SetColor(ui::Color color);

    // The recipe chosen in the list; nullopt with none chosen or the table on no row.
    std::optional<output::RecipeDocument> RecipeOnScreen() const;
    // With no recipe on screen, each of the three says so and does nothing else.
    void Print();
    void Save();
    void Copy();
    // Ctrl+P prints and Ctrl+Shift+C copies the recipe on screen; true when `message` was one of them.
    bool HandleKey(const MSG& message);

private:
    std::optional<output::Document> DocumentOnScreen() const;

    Parts parts_;
    output::Services services_;
    std::wstring place_;
    std::vector<std::wstring> names_;
};

}
