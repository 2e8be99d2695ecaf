// The my-recipes window: the list of the own recipes, the selected one's ingredients and method,
// and its removal. Its table object reads the file through the own-recipe store's connection; it
// deletes through the store and, while it is shown, lists the recipes again after every change the
// store tells of, keeping the chosen recipe chosen.
#pragma once
#include "bound/db_memo.h"
#include "catalogue/recipe_browser.h"
#include "data/subscription.h"
#include "data/table.h"
#include "output/services.h"
#include "personal/recipe_store.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"

#include <optional>
#include <string>

class TForm5 : public ui::Form {
public:
    // `color` is the views' background, the one the main window's settings keep; the recipe on
    // screen is copied and printed through `output`.
    TForm5(personal::RecipeStore& store, ui::Color color, output::Services output = {});

    // Status bar panels: 1 shows the count of recipes.
    enum Panel { kHintPanel = 0, kCountPanel = 1, kEmptyPanel = 2 };
    // Places of the items in PopupMenu1, separators counted.
    enum MenuItem { kN1 = 0, kN6 = 1, kN2 = 2, kN7 = 3, kN3 = 4 };

    ui::MenuPictures ImageList1;
    ui::PopupMenu PopupMenu1;
    ui::Picture Image1;
    ui::Label Label1;
    ui::Label Label2;
    ui::Label Label3;
    ui::ListBox ListBox1;
    bound::DbMemo DBMemo1;
    bound::DbMemo DBMemo2;
    ui::StatusBar StatusBar;
    data::Table ADOTable1;

    void ListBox1Click();
    void N1Click();
    void N3Click();
    void PrintClick();
    void SaveClick();
    void CopyClick();
    void BackUpClick();
    void RestoreClick();

    // Shows the window modally with the recipe of list entry `index` selected and shown; when that
    // entry no longer carries `name`, the first one that does.
    void ShowRecipe(int index, const std::wstring& name);

protected:
    void FormShow() override;
    bool PreviewKey(const MSG& message) override;

private:
    struct Wanted {
        int index;
        std::wstring name;
    };

    std::vector<ui::MenuItem> PopupItems();
    void FormCreate();
    void ShowCount(int count);
    void SelectWanted();
    // The store changed the file: while the window is shown, its list is read again.
    void RecipesChanged();
    std::optional<personal::RecipeId> ChosenId() const;

    personal::RecipeStore& store_;
    ui::Color color_;
    catalogue::RecipeBrowser browser_;
    std::optional<Wanted> wanted_;
    data::Subscription storeChanged_;
};
