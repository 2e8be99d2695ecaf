// The add-recipe window.
#include "personal/addrecepies.h"

#include "personal/myrecepies.h"
#include "personal/removal.h"
#include "personal/texts.h"
#include "personal/windows.h"
#include "resource_ids.h"
#include "ui/application.h"
#include "ui/boxes.h"
#include "ui/image.h"

#include <string>

namespace {

constexpr int kClientWidth = 667;
constexpr int kClientHeight = 362;

// The ingredient and method fields: multi-line, written in, with their limit.
ui::TextView::Args TextField(HWND parent, ui::Rect bounds)
{
    return {.parent = parent, .bounds = bounds, .readOnly = false, .verticalScrollBar = true, .maxLength = personal::kMaxTextLength};
}

}

TForm4::TForm4(personal::RecipeStore& store, ui::Color color, components::KeyboardLayouts& layouts)
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
      Memo1(TextField(Image2.Handle(), {152, 64, 297, 81})),
      Label3({.parent = Image2.Handle(), .bounds = {152, 152}, .text = std::wstring(personal::kMethodLabel)}),
      Memo2(TextField(Image2.Handle(), {152, 168, 297, 177})),
      Panel1({.parent = Image2.Handle(), .bounds = {16, 24, 113, 249}, .color = ui::kLight3D, .singleBorder = true}),
      Image1({.parent = Panel1.Handle(), .bounds = {8, 8, 97, 233}, .picture = ui::BitmapResource(IDB_ADD_RECIPE_PICTURE)}),
      Image3({.parent = Image2.Handle(), .bounds = {16, 312, 113, 25}, .picture = ui::BitmapResource(IDB_ADD_BUTTON), .button = true}),
      Label4({.parent = Image2.Handle(), .bounds = {472, 8}, .text = std::wstring(personal::kListLabel)}),
      // Long names are reached with a horizontal scroll bar instead of being cut.
      ListBox1({.parent = Image2.Handle(), .bounds = {472, 24, 177, 321}, .horizontalScroll = true}),
      Hints({.owner = Handle()}),
      CurrentLanguages1(layouts),
      store_(store),
      color_(color)
{
    for (ui::Control* field : {static_cast<ui::Control*>(&Edit1), static_cast<ui::Control*>(&Memo1),
                               static_cast<ui::Control*>(&Memo2), static_cast<ui::Control*>(&ListBox1)})
        field->SetColor(ui::kLight3D);
    SetUpHints();
    Image3.onClick = [this] { Image3Click(); };
    ListBox1.SetPopupMenu(&PopupMenu1);
    SetUpCurrentLanguages1();
    storeChanged_ = store_.OnChange([this](const personal::StoreChange&) { ListRecipes(ChosenId()); });
    RunCreationHandler([this] { FormCreate(); });
}

void TForm4::SetUpHints()
{
    Hints.Add(Edit1.Handle(), std::wstring(personal::kNameHint));
    Hints.Add(Memo1.Handle(), std::wstring(personal::kProductsHint));
    Hints.Add(Memo2.Handle(), std::wstring(personal::kMethodHint));
    Hints.Add(Image3.Handle(), std::wstring(personal::kAddHint));
    Hints.Add(ListBox1.Handle(), std::wstring(personal::kListHint));
    // What did not fit is not in the field and will not be stored: the user hears of it at once.
    Edit1.onMaxText = [this] { ui::Inform(Handle(), personal::kNameFull); };
    Memo1.onMaxText = [this] { ui::Inform(Handle(), personal::kProductsFull); };
    Memo2.onMaxText = [this] { ui::Inform(Handle(), personal::kMethodFull); };
}

void TForm4::SetUpCurrentLanguages1()
{
    // The component's stored design, written in property order while the window is created.
    CurrentLanguages1.SetLayoutID("0409");
    CurrentLanguages1.SetLayoutLocolizedName("English (United States)");
    CurrentLanguages1.SetLayoutEnglishName("English");
    CurrentLanguages1.SetLayoutShortName("ENU");
    CurrentLanguages1.SetLayoutNativeName("English");
    CurrentLanguages1.SetLayoutExtention("EN");
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
    // The rows this window lists, kept current by the store's notifications.
    const bool any = !listed_.empty();
    PopupMenu1.SetEnabled(kN1, any);
    PopupMenu1.SetEnabled(kN2, any);
    Edit1.SetText(L"");
    Memo1.SetText(L"");
    Memo2.SetText(L"");
    ListRecipes(std::nullopt);
}

void TForm4::ListRecipes(std::optional<personal::RecipeId> chosen)
{
    ListBox1.Clear();
    listed_.clear();
    listed_ = store_.List();
    for (std::size_t index = 0; index < listed_.size(); ++index) {
        ListBox1.Add(listed_[index].name);
        if (chosen == listed_[index].id)
            ListBox1.Select(static_cast<int>(index));
    }
}

std::optional<personal::RecipeId> TForm4::ChosenId() const
{
    const int index = ListBox1.SelectedIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= listed_.size())
        return std::nullopt;
    return listed_[static_cast<std::size_t>(index)].id;
}

void TForm4::Image3Click()
{
    if (CurrentLanguages1.LayoutID() == personal::kRefusedLayout)
        return ui::Inform(Handle(), personal::kChangeLanguage);
    if (Edit1.Text().empty())
        return ui::Inform(Handle(), personal::kEnterName);
    if (Memo1.Text().empty())
        return ui::Inform(Handle(), personal::kEnterProducts);
    if (Memo2.Text().empty())
        return ui::Inform(Handle(), personal::kEnterMethod);
    const personal::UserDetails details{.Name = Edit1.Text(), .Products = Memo1.Text(), .Burn = Memo2.Text()};
    // The boxes come after the add's transaction: no other copy of the program waits on the file
    // while one is up. The store has every list read again before the first box.
    if (!store_.Add(details))
        return ui::Tell(personal::kNameTaken);
    ui::Tell(personal::kAdded);
    Close();
    Form5->Show();
}

void TForm4::N1Click()
{
    personal::RemoveRecipe(Handle(), store_, ChosenId());
}

void TForm4::N2Click()
{
    const int index = ListBox1.SelectedIndex();
    if (index >= 0)
        Edit1.SetText(ListBox1.Item(index));
}
