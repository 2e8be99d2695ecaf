// The add-recipe window: a new recipe's name, ingredients and method, the add button, and the list
// of the stored recipes with their removal.
#pragma once
#include "components/language_changer.h"
#include "data/connection.h"
#include "data/table.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"
#include "ui/tool_tips.h"

class TForm5;

class TForm4 : public ui::Form {
public:
    // `color` is the views' background, the one the main window's settings keep. The keyboard
    // layouts are the system's in the program; tests give layouts of their own.
    explicit TForm4(ui::Color color, components::KeyboardLayouts& layouts = components::SystemKeyboardLayouts());

    // The my-recipes window, told of each removal and shown after each add.
    void Pair(TForm5& myRecipes) { myRecipes_ = &myRecipes; }

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
    data::Connection ADOConnection1;
    data::Table ADOTable1;
    components::TCurrentLanguages CurrentLanguages1;

    void Image3Click();
    void N1Click();
    void N2Click();

    // The my-recipes window removed the recipe of entry `index`: the same entry goes from this list,
    // and the table no longer counts the row.
    void RecipeRemoved(int index);
    // A restore changed the file: the list is read again.
    void RecipesRestored();

protected:
    void FormShow() override;

private:
    void FormCreate();

    ui::Color color_;
    TForm5* myRecipes_ = nullptr;
};
