// The add-recipe window: a new recipe's name, ingredients and method, the add button, and the list
// of the stored recipes with their removal. Its connection and table object are the own-recipe
// store's: it adds and deletes through the store and lists the store's recipes, read again after
// every change the store tells of.
#pragma once
#include "components/language_changer.h"
#include "data/subscription.h"
#include "personal/recipe_store.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"
#include "ui/tool_tips.h"

#include <optional>
#include <vector>

class TForm4 : public ui::Form {
public:
    // `color` is the views' background, the one the main window's settings keep. The keyboard
    // layouts are the system's in the program; tests give layouts of their own.
    TForm4(personal::RecipeStore& store, ui::Color color, components::KeyboardLayouts& layouts = components::SystemKeyboardLayouts());

    // Places of the items in PopupMenu1, separators counted.
    enum MenuItem { kN1 = 0, kN3 = 1, kN2 = 2 };

    ui::MenuPictures ImageList1;
    ui::PopupMenu PopupMenu1;
    ui::Picture Image2;
    ui::Label Label1;
    ui::Edit Edit1;
    ui::Label Label2;
    ui::TextView Memo1;
    ui::Label Label3;
    ui::TextView Memo2;
    ui::Panel Panel1;
    ui::Picture Image1;
    ui::Picture Image3;
    ui::Label Label4;
    ui::ListBox ListBox1;
    ui::ToolTips Hints;
    components::TCurrentLanguages CurrentLanguages1;

    void Image3Click();
    void N1Click();
    void N2Click();

protected:
    void FormShow() override;

private:
    void FormCreate();
    void SetUpHints();
    void SetUpCurrentLanguages1();
    // ListBox1 filled from the store, with `chosen` chosen when it is still there.
    void ListRecipes(std::optional<personal::RecipeId> chosen);
    std::optional<personal::RecipeId> ChosenId() const;

    personal::RecipeStore& store_;
    ui::Color color_;
    // ListBox1's entries, in its order.
    std::vector<personal::RecipeEntry> listed_;
    data::Subscription storeChanged_;
};
