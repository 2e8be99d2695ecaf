// The my-recipes window.
#include "personal/myrecepies.h"

#include "catalogue/category_fill.h"
#include "catalogue/search_places.h"
#include "personal/addrecepies.h"
#include "personal/boxes.h"
#include "personal/recipe_store.h"
#include "personal/removal.h"
#include "personal/texts.h"
#include "ui/shortcut.h"
#include "resource_ids.h"
#include "data/durability.h"
#include "ui/application.h"
#include "ui/image.h"

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kClientWidth = 762;
constexpr int kClientHeight = 446;
constexpr int kStatusHeight = 20;

}

TForm5::TForm5(ui::Color color, personal::OutputServices output)
    : ui::Form({.className = L"TForm5",
                .caption = std::wstring(personal::kMyRecipesCaption),
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .overMainForm = true}),
      ImageList1(IDB_MY_RECIPES_MENU),
      PopupMenu1({.items = {ui::MenuItem::Action(std::wstring(personal::kRemoveItem), 2, [this] { N1Click(); }),
                            ui::MenuItem::Separator(),
                            ui::MenuItem::Action(std::wstring(personal::kChangeItem), 0, {}),
                            ui::MenuItem::Separator(),
                            ui::MenuItem::Action(std::wstring(personal::kAddItem), 3, [this] { N3Click(); }),
                            ui::MenuItem::Separator(),
                            ui::MenuItem::Action(std::wstring(personal::kPrintItemCaption), -1, [this] { PrintClick(); }),
                            ui::MenuItem::Action(std::wstring(personal::kSaveCaption), -1, [this] { SaveClick(); }),
                            ui::MenuItem::Action(std::wstring(personal::kCopyCaption), -1, [this] { CopyClick(); }),
                            ui::MenuItem::Separator(),
                            ui::MenuItem::Action(std::wstring(personal::kBackUpCaption), -1, [this] { BackUpClick(); }),
                            ui::MenuItem::Action(std::wstring(personal::kRestoreCaption), -1, [this] { RestoreClick(); })},
                  .pictures = &ImageList1}),
      Image1({.parent = Handle(),
              .bounds = {0, 0, kClientWidth, kClientHeight - kStatusHeight},
              .picture = ui::JpegResource(IDR_MY_RECIPES_BACKGROUND)}),
      Label1({.parent = Image1.Handle(), .bounds = {24, 24}, .text = std::wstring(personal::kNamesLabel)}),
      Label2({.parent = Image1.Handle(), .bounds = {376, 24}, .text = std::wstring(personal::kProductsTitle)}),
      Label3({.parent = Image1.Handle(), .bounds = {376, 192}, .text = std::wstring(personal::kMethodTitle)}),
      ListBox1({.parent = Image1.Handle(), .bounds = {24, 40, 313, 353}}),
      // A scroll bar, so that no ingredient line is hidden.
      DBMemo1({.parent = Image1.Handle(), .bounds = {376, 40, 361, 137}, .verticalScrollBar = true}),
      DBMemo2({.parent = Image1.Handle(), .bounds = {376, 208, 361, 185}, .verticalScrollBar = true}),
      StatusBar({.parent = Handle(), .height = kStatusHeight, .panelWidths = {1, 255, 50}}),
      ADOConnection1(personal::kMyRecipesConnection),
      ADOTable1(ADOConnection1),
      color_(color),
      output_(output)
{
    data::RequireDurableWrites(ADOConnection1);
    for (ui::Control* view : {static_cast<ui::Control*>(&ListBox1), static_cast<ui::Control*>(&DBMemo1),
                              static_cast<ui::Control*>(&DBMemo2)})
        view->SetColor(ui::kLight3D);
    ListBox1.onSelectionChanged = [this] { ListBox1Click(); };
    ListBox1.SetPopupMenu(&PopupMenu1);
    for (bound::DbMemo* view : {&DBMemo1, &DBMemo2})
        view->AddContextItems({ui::MenuItem::Action(std::wstring(personal::kCopyCaption), -1, [this] { CopyClick(); })});
    ADOTable1.SetTableName(personal::TableName());
    ADOTable1.Open();
    RunCreationHandler([this] { FormCreate(); });
}

void TForm5::FormCreate()
{
    DBMemo1.SetColor(color_);
    DBMemo2.SetColor(color_);
    ListBox1.SetColor(color_);
}

void TForm5::FormShow()
{
    // Counted before the table is read again below, as the window always has.
    const bool any = ADOTable1.RecordCount() > 0;
    PopupMenu1.SetEnabled(kN1, any);
    PopupMenu1.SetEnabled(kN2, any);
    auto& cursors = ui::Application::Current().ScreenCursors();
    cursors.Register(personal::kMaletCursor, personal::kMaletResource);
    ListBox1.SetCursor(cursors.Get(personal::kMaletCursor));
    ADOTable1.Close();
    ADOTable1.SetTableName(personal::TableName());
    ADOTable1.Open();
    ListBox1.Clear();
    DBMemo1.Unbind();
    DBMemo2.Unbind();
    std::vector<std::wstring> names;
    catalogue::FillNames(ADOTable1, ListBox1, names, [this](int count) { ShowCount(count); });
    SelectWanted(names);
}

void TForm5::ShowCount(int count)
{
    StatusBar.SetPanelText(kCountPanel, std::wstring(personal::kCountPrefix) + std::to_wstring(count) + std::wstring(personal::kCountSuffix));
}

void TForm5::AfterRemoval()
{
    // The count and the views follow the list: a recipe still selected is shown again from its new
    // place; with none selected the views are blank.
    ShowCount(ListBox1.Count());
    if (ListBox1.SelectedIndex() >= 0) {
        ListBox1Click();
        return;
    }
    DBMemo1.Unbind();
    DBMemo2.Unbind();
}

void TForm5::ShowRecipe(int index, const std::wstring& name)
{
    wanted_ = Wanted{index, name};
    ShowModal();
}

void TForm5::SelectWanted(const std::vector<std::wstring>& names)
{
    const auto wanted = std::exchange(wanted_, std::nullopt);
    if (!wanted)
        return;
    const auto index = catalogue::PlaceInList(names, wanted->index, wanted->name);
    if (!index)
        return;
    ListBox1.Select(*index);
    ListBox1Click();
}

void TForm5::ListBox1Click()
{
    catalogue::ShowRecipeAt(ADOTable1, ListBox1.SelectedIndex(), DBMemo1, personal::ProductsField(), DBMemo2,
                            personal::BurnField());
}

void TForm5::N1Click()
{
    const bool removed = personal::RemoveSelected(Handle(), ADOTable1, ListBox1, [this](int index) {
        if (addRecipe_)
            addRecipe_->RecipeRemoved(index);
    });
    if (removed)
        AfterRemoval();
}

void TForm5::N3Click()
{
    Close();
    if (addRecipe_)
        addRecipe_->Show();
}

void TForm5::ShowAfterAdd()
{
    // Showing an open window again does not run the show handler.
    if (Visible())
        FormShow();
    Show();
}

void TForm5::RecipeRemoved(int index)
{
    ListBox1.Remove(index);
    if (!ADOTable1.Active())
        return;
    ADOTable1.Refresh();
    AfterRemoval();
}

void TForm5::RecipesRestored()
{
    if (Visible()) {
        FormShow();
        return;
    }
    ADOTable1.Refresh();
}

std::optional<personal::RecipeDocument> TForm5::RecipeOnScreen() const
{
    return personal::RecipeShown(ListBox1, ADOTable1, std::wstring(personal::kOwnPlace));
}

void TForm5::PrintClick() { personal::PrintCommand(output_.printing, Handle(), RecipeOnScreen()); }
void TForm5::SaveClick() { personal::SaveCommand(Handle(), RecipeOnScreen()); }
void TForm5::CopyClick() { personal::CopyCommand(output_.clipboard, Handle(), RecipeOnScreen()); }
void TForm5::BackUpClick() { personal::BackUpCommand(Handle()); }

void TForm5::RestoreClick()
{
    if (!personal::RestoreCommand(Handle()))
        return;
    if (addRecipe_)
        addRecipe_->RecipesRestored();
    RecipesRestored();
}

bool TForm5::PreviewKey(const MSG& message)
{
    if (ui::Matches(personal::kCopyKey, message)) {
        CopyClick();
        return true;
    }
    if (ui::Matches(personal::kPrintKey, message)) {
        PrintClick();
        return true;
    }
    return false;
}
