// The my-recipes window.
#include "personal/myrecepies.h"

#include "catalogue/search_places.h"
#include "output/texts.h"
#include "personal/addrecepies.h"
#include "personal/backup_commands.h"
#include "personal/removal.h"
#include "personal/texts.h"
#include "personal/windows.h"
#include "resource_ids.h"
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

TForm5::TForm5(personal::RecipeStore& store, ui::Color color, output::Services output)
    : ui::Form({.className = L"TForm5",
                .caption = std::wstring(personal::kMyRecipesCaption),
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .overMainForm = true}),
      ImageList1(IDB_MY_RECIPES_MENU),
      PopupMenu1({.items = PopupItems(), .pictures = &ImageList1}),
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
      ADOTable1(store.Connection()),
      store_(store),
      color_(color),
      browser_({Handle(), ListBox1, DBMemo1, DBMemo2, ADOTable1}, output)
{
    browser_.SetColor(ui::kLight3D);
    ListBox1.onSelectionChanged = [this] { ListBox1Click(); };
    ListBox1.SetPopupMenu(&PopupMenu1);
    ADOTable1.SetTableName(personal::TableName());
    ADOTable1.Open();
    storeChanged_ = store_.OnChange([this](const personal::StoreChange&) { RecipesChanged(); });
    RunCreationHandler([this] { FormCreate(); });
}

std::vector<ui::MenuItem> TForm5::PopupItems()
{
    using ui::MenuItem;
    return {MenuItem::Action(std::wstring(personal::kRemoveItem), 2, [this] { N1Click(); }),
            MenuItem::Separator(),
            MenuItem::Action(std::wstring(personal::kChangeItem), 0, {}),
            MenuItem::Separator(),
            MenuItem::Action(std::wstring(personal::kAddItem), 3, [this] { N3Click(); }),
            // The recipe commands follow the window's own items.
            MenuItem::Separator(),
            MenuItem::Action(std::wstring(output::kPrintItemCaption), -1, [this] { PrintClick(); }),
            MenuItem::Action(std::wstring(output::kSaveCaption), -1, [this] { SaveClick(); }),
            MenuItem::Action(std::wstring(output::kCopyCaption), -1, [this] { CopyClick(); }),
            MenuItem::Separator(),
            MenuItem::Action(std::wstring(personal::kBackUpCaption), -1, [this] { BackUpClick(); }),
            MenuItem::Action(std::wstring(personal::kRestoreCaption), -1, [this] { RestoreClick(); })};
}

void TForm5::FormCreate()
{
    browser_.SetColor(color_);
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
    browser_.Fill(std::wstring(personal::kOwnPlace), [this](int count) { ShowCount(count); });
    SelectWanted();
}

void TForm5::RecipesChanged()
{
    // A hidden window reads the table again when it is next shown.
    if (!Visible())
        return;
    const auto chosen = ChosenId();
    ADOTable1.Refresh();
    ADOTable1.First();
    // The count follows the list, down to none.
    ShowCount(browser_.Fill(std::wstring(personal::kOwnPlace), [](int) {}));
    for (std::size_t row = 0; chosen && row < ADOTable1.RecordCount(); ++row) {
        if (ADOTable1.RowIdAt(row) == *chosen) {
            ListBox1.Select(static_cast<int>(row));
            ListBox1Click();
        }
    }
}

std::optional<personal::RecipeId> TForm5::ChosenId() const
{
    const int index = ListBox1.SelectedIndex();
    if (index < 0 || !ADOTable1.Active() || static_cast<std::size_t>(index) >= ADOTable1.RecordCount())
        return std::nullopt;
    return ADOTable1.RowIdAt(static_cast<std::size_t>(index));
}

void TForm5::ShowCount(int count)
{
    StatusBar.SetPanelText(kCountPanel, std::wstring(personal::kCountPrefix) + std::to_wstring(count) + std::wstring(personal::kCountSuffix));
}

void TForm5::ShowRecipe(int index, const std::wstring& name)
{
    wanted_ = Wanted{index, name};
    ShowModal();
}

void TForm5::SelectWanted()
{
    const auto wanted = std::exchange(wanted_, std::nullopt);
    if (!wanted)
        return;
    const auto index = catalogue::PlaceInList(browser_.Names(), wanted->index, wanted->name);
    if (!index)
        return;
    ListBox1.Select(*index);
    ListBox1Click();
}

void TForm5::ListBox1Click()
{
    browser_.ShowChosen();
}

void TForm5::N1Click()
{
    personal::RemoveRecipe(Handle(), store_, ChosenId());
}

void TForm5::N3Click()
{
    Close();
    Form4->Show();
}

void TForm5::PrintClick() { browser_.Print(); }
void TForm5::SaveClick() { browser_.Save(); }
void TForm5::CopyClick() { browser_.Copy(); }
void TForm5::BackUpClick() { personal::BackUpCommand(store_, Handle()); }
void TForm5::RestoreClick() { personal::RestoreCommand(store_, Handle()); }

bool TForm5::PreviewKey(const MSG& message)
{
    return browser_.HandleKey(message);
}
