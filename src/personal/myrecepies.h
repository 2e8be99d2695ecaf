// The my-recipes window: the list of the own recipes, the selected one's ingredients and method,
// and its removal.
#pragma once
#include "data/connection.h"
#include "bound/db_memo.h"
#include "data/table.h"
#include "personal/recipe_commands.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"

#include <optional>
#include <string>
#include <vector>

class TForm4;

class TForm5 : public ui::Form {
public:
    // `color` is the views' background, the one the main window's settings keep; the recipe on
    // screen is copied and printed through `output`.
    explicit TForm5(ui::Color color, personal::OutputServices output = {});

    // The add-recipe window, told of each removal and shown by the add item.
    void Pair(TForm4& addRecipe) { addRecipe_ = &addRecipe; }

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
    data::Connection ADOConnection1;
    data::Table ADOTable1;

    void ListBox1Click();
    void N1Click();
    void N3Click();
    void PrintClick();
    void SaveClick();
    void CopyClick();
    void BackUpClick();
    void RestoreClick();

    // The add-recipe window removed the recipe of entry `index`: the same entry goes from this list,
    // and the table no longer counts the row.
    void RecipeRemoved(int index);
    // Shown by an add: the list is read again with the new recipe, also when the window was open.
    void ShowAfterAdd();
    // Shows the window modally with the recipe of list entry `index` selected and shown; when that
    // entry no longer carries `name`, the first one that does.
    void ShowRecipe(int index, const std::wstring& name);
    // A restore changed the file: the list is read again.
    void RecipesRestored();
    // The recipe selected in the list; nullopt with none selected.
    std::optional<personal::RecipeDocument> RecipeOnScreen() const;

protected:
    void FormShow() override;
    bool PreviewKey(const MSG& message) override;

private:
    struct Wanted {
        int index;
        std::wstring name;
    };

    void FormCreate();
    void ShowCount(int count);
    void AfterRemoval();
    void SelectWanted(const std::vector<std::wstring>& names);

    ui::Color color_;
    TForm4* addRecipe_ = nullptr;
    std::optional<Wanted> wanted_;
    personal::OutputServices output_;
};
