// The recipe list and views both browsing windows share, and the recipe on screen taken out.
#include "catalogue/recipe_browser.h"

#include "catalogue/categories.h"
#include "catalogue/category_fill.h"
#include "output/print.h"
#include "output/save.h"
#include "output/texts.h"
#include "ui/application.h"
#include "ui/boxes.h"
#include "ui/resource_text.h"
#include "ui/shortcut.h"

#include <utility>

namespace catalogue {

RecipeBrowser::RecipeBrowser(Parts parts, output::Services services) : parts_(parts), services_(services)
{
    for (bound::DbMemo* view : {&parts_.products, &parts_.method})
        view->AddContextItems({ui::MenuItem::Action(std::wstring(output::kCopyCaption), -1, [this] { Copy(); })});
}

int RecipeBrowser::Fill(std::wstring place, const std::function<void(int)>& showCount)
{
    parts_.list.Clear();
    names_.clear();
    ShowNone();
    place_ = std::move(place);
    return FillNames(parts_.table, parts_.list, names_, showCount);
}

void RecipeBrowser::ShowChosen()
{
    ShowRecipeAt(parts_.table, parts_.list.SelectedIndex(), parts_.products, ui::ResourceText(kProductsField), parts_.method,
                 ui::ResourceText(kBurnField));
}

void RecipeBrowser::ShowNone()
{
    parts_.products.Unbind();
    parts_.method.Unbind();
}

void RecipeBrowser::SetColor(ui::Color color)
{
    parts_.products.SetColor(color);
    parts_.method.SetColor(color);
    parts_.list.SetColor(color);
}

std::optional<output::RecipeDocument> RecipeBrowser::RecipeOnScreen() const
{
    const int index = parts_.list.SelectedIndex();
    const data::Table& table = parts_.table;
    if (index < 0 || !table.Active() || table.Eof())
        return std::nullopt;
    return output::RecipeDocument{.name = parts_.list.Item(index),
                                  .place = place_,
                                  .products = table.FieldValue(ui::ResourceText(kProductsField)).value_or(L""),
                                  .burn = table.FieldValue(ui::ResourceText(kBurnField)).value_or(L"")};
}

std::optional<output::Document> RecipeBrowser::DocumentOnScreen() const
{
    const auto recipe = RecipeOnScreen();
    if (!recipe)
        ui::Inform(parts_.owner, output::kNoRecipeShown);
    return recipe ? std::optional(output::DocumentOf(*recipe)) : std::nullopt;
}

void RecipeBrowser::Print()
{
    if (const auto document = DocumentOnScreen())
        output::Print(services_.printing, parts_.owner, *document);
}

void RecipeBrowser::Save()
{
    if (const auto document = DocumentOnScreen())
        output::Save(ui::Application::Current().DialogService(), parts_.owner, *document);
}

void RecipeBrowser::Copy()
{
    if (const auto document = DocumentOnScreen())
        output::Copy(services_.clipboard, parts_.owner, *document);
}

bool RecipeBrowser::HandleKey(const MSG& message)
{
    if (ui::Matches(output::kCopyKey, message)) {
        Copy();
        return true;
    }
    if (ui::Matches(output::kPrintKey, message)) {
        Print();
        return true;
    }
    return false;
}

}
