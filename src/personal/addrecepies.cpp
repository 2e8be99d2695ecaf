// The add-recipe window.
#include "personal/addrecepies.h"

#include "catalogue/category_fill.h"
#include "data/durability.h"
#include "personal/boxes.h"
#include "personal/myrecepies.h"
#include "personal/recipe_store.h"
#include "personal/removal.h"
#include "personal/texts.h"
#include "resource_ids.h"
#include "ui/application.h"
#include "ui/image.h"

#include <string>

namespace {

constexpr int kClientWidth = 667;
constexpr int kClientHeight = 362;

}

TForm4::TForm4(ui::Color color, components::KeyboardLayouts& layouts)
    : ui::Form({.className = L"TForm4",
                .caption = std::wstring(personal::kAddCaption),
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .color = ui::kGrayText}),
      ImageList1(IDB_ADD_RECIPE_MENU),
      PopupMenu1({.items = {ui::MenuItem::Action(std::wstring(personal::kRemoveItem), 1, [this] { N1Click(); }),
                            ui::MenuItem::Separator(),
                            ui::MenuItem::Action(std::wstring(personal::kChangeItem), 0, [this] { N2Click(); })},
                  .pictures = &ImageList1}),
      Image2({.parent = Handle(), .bounds = {0, 0, kClientWidth, kClientHeight}, .picture = ui::JpegResource(IDR_ADD_RECIPE_BACKGROUND)}),
      Label1({.parent = Image2.Handle(), .bounds = {152, 8}, .text = std::wstring(personal::kNameLabel)}),
      Edit1({.parent = Image2.Handle(), .bounds = {152, 24, 297, 19}, .maxLength = personal::kNameFieldUnits}),
      Label2({.parent = Image2.Handle(), .bounds = {152, 48}, .text = std::wstring(personal::kProductsLabel)}),
      Memo1({.parent = Image2.Handle(),
             .bounds = {152, 64, 297, 81},
             .readOnly = false,
             .verticalScrollBar = true,
             .maxLength = personal::kMaxTextLength}),
      Label3({.parent = Image2.Handle(), .bounds = {152, 152}, .text = std::wstring(personal::kMethodLabel)}),
      Memo2({.parent = Image2.Handle(),
             .bounds = {152, 168, 297, 177},
             .readOnly = false,
             .verticalScrollBar = true,
             .maxLength = personal::kMaxTextLength}),
      Panel1({.parent = Image2.Handle(), .bounds = {16, 24, 113, 249}, .color = ui::kLight3D, .singleBorder = true}),
      Image1({.parent = Panel1.Handle(), .bounds = {8, 8, 97, 233}, .picture = ui::BitmapResource(IDB_ADD_RECIPE_PICTURE)}),
      Image3({.parent = Image2.Handle(),
              .bounds = {16, 312, 113, 25},
              .picture = ui::BitmapResource(IDB_ADD_BUTTON),
              .button = true}),
      Label4({.parent = Image2.Handle(), .bounds = {472, 8}, .text = std::wstring(personal::kListLabel)}),
      // Long names are reached with a horizontal scroll bar instead of being cut.
      ListBox1({.parent = Image2.Handle(), .bounds = {472, 24, 177, 321}, .horizontalScroll = true}),
      Hints({.owner = Handle()}),
      ADOConnection1(personal::kAddRecipeConnection),
      ADOTable1(ADOConnection1),
      CurrentLanguages1(layouts),
      color_(color)
{
    data::RequireDurableWrites(ADOConnection1);
    for (ui::Control* field : {static_cast<ui::Control*>(&Edit1), static_cast<ui::Control*>(&Memo1),
                               static_cast<ui::Control*>(&Memo2), static_cast<ui::Control*>(&ListBox1)})
        field->SetColor(ui::kLight3D);
    Hints.Add(Edit1.Handle(), std::wstring(personal::kNameHint));
    Hints.Add(Memo1.Handle(), std::wstring(personal::kProductsHint));
    Hints.Add(Memo2.Handle(), std::wstring(personal::kMethodHint));
    Hints.Add(Image3.Handle(), std::wstring(personal::kAddHint));
    Hints.Add(ListBox1.Handle(), std::wstring(personal::kListHint));
    Image3.onClick = [this] { Image3Click(); };
    // What did not fit is not in the field and will not be stored: the user hears of it at once.
    Edit1.onMaxText = [this] { personal::Inform(Handle(), personal::kNameFull); };
    Memo1.onMaxText = [this] { personal::Inform(Handle(), personal::kProductsFull); };
    Memo2.onMaxText = [this] { personal::Inform(Handle(), personal::kMethodFull); };
    ListBox1.SetPopupMenu(&PopupMenu1);
    // The component's stored design, written in property order while the window is created.
    CurrentLanguages1.SetLayoutID("0409");
    CurrentLanguages1.SetLayoutLocolizedName("English (United States)");
    CurrentLanguages1.SetLayoutEnglishName("English");
    CurrentLanguages1.SetLayoutShortName("ENU");
    CurrentLanguages1.SetLayoutNativeName("English");
    CurrentLanguages1.SetLayoutExtention("EN");
    ADOTable1.SetTableName(personal::TableName());
    ADOTable1.Open();
    RunCreationHandler([this] { FormCreate(); });
}

void TForm4::FormCreate()
{
    auto& cursors = ui::Application::Current().ScreenCursors();
    cursors.Register(personal::kPenCursor, personal::kPenResource);
    cursors.Register(personal::kMaletCursor, personal::kMaletResource);
    for (ui::Control* field : {static_cast<ui::Control*>(&Edit1), static_cast<ui::Control*>(&Memo1),
                               static_cast<ui::Control*>(&Memo2)})
        field->SetCursor(cursors.Get(personal::kPenCursor));
    ListBox1.SetCursor(cursors.Get(personal::kMaletCursor));
    Memo1.SetColor(color_);
    Memo2.SetColor(color_);
    Edit1.SetColor(color_);
    ListBox1.SetColor(color_);
}

void TForm4::FormShow()
{
    const bool any = ADOTable1.RecordCount() > 0;
    PopupMenu1.SetEnabled(kN1, any);
    PopupMenu1.SetEnabled(kN2, any);
    ADOTable1.SetTableName(personal::TableName());
    ADOTable1.Open();
    ADOTable1.First();
    ListBox1.Clear();
    Edit1.SetText(L"");
    Memo1.SetText(L"");
    Memo2.SetText(L"");
    personal::ListNames(ADOTable1, ListBox1);
}

void TForm4::Image3Click()
{
    if (CurrentLanguages1.LayoutID() == personal::kRefusedLayout)
        return personal::Inform(Handle(), personal::kChangeLanguage);
    if (Edit1.Text().empty())
        return personal::Inform(Handle(), personal::kEnterName);
    if (Memo1.Text().empty())
        return personal::Inform(Handle(), personal::kEnterProducts);
    if (Memo2.Text().empty())
        return personal::Inform(Handle(), personal::kEnterMethod);
    ADOTable1.Open();
    ADOTable1.SetTableName(personal::TableName());
    const personal::UserDetails details{.Name = Edit1.Text(), .Products = Memo1.Text(), .Burn = Memo2.Text()};
    // The boxes come after the add's transaction: no other copy of the program waits on the file
    // while one is up.
    if (!personal::AddRecipe(ADOConnection1, ADOTable1, details))
        return personal::Tell(personal::kNameTaken);
    personal::Tell(personal::kAdded);
    ADOTable1.First();
    ListBox1.Clear();
    personal::ListNames(ADOTable1, ListBox1);
    Close();
    if (myRecipes_)
        myRecipes_->ShowAfterAdd();
}

void TForm4::N1Click()
{
    personal::RemoveSelected(Handle(), ADOTable1, ListBox1, [this](int index) {
        if (myRecipes_)
            myRecipes_->RecipeRemoved(index);
    });
}

void TForm4::N2Click()
{
    const int index = ListBox1.SelectedIndex();
    if (index >= 0)
        Edit1.SetText(ListBox1.Item(index));
}

void TForm4::RecipeRemoved(int index)
{
    ListBox1.Remove(index);
    ADOTable1.Refresh();
}

void TForm4::RecipesRestored()
{
    ADOTable1.Refresh();
    ListBox1.Clear();
    personal::ListNames(ADOTable1, ListBox1);
}
