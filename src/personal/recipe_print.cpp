// The printed recipe.
#include "personal/recipe_print.h"

#include "personal/texts.h"

namespace personal {

std::vector<ui::PrintLine> RecipePrintLines(const RecipeDocument& recipe)
{
    using ui::TextStyle;
    std::vector<ui::PrintLine> lines{{.style = TextStyle::Title, .text = recipe.name, .keepWithNext = true},
                                     {.style = TextStyle::Subtitle, .text = recipe.place},
                                     {},
                                     {.style = TextStyle::Heading, .text = std::wstring(kProductsHeading), .keepWithNext = true}};
    for (auto& line : TextLines(recipe.products)) {
        if (line.find_first_not_of(L" \t") != std::wstring::npos)
            lines.push_back({.text = std::move(line)});
    }
    lines.push_back({});
    lines.push_back({.style = TextStyle::Heading, .text = std::wstring(kMethodHeading), .keepWithNext = true});
    for (auto& step : MethodSteps(recipe.burn))
        lines.push_back({.text = std::move(step)});
    return lines;
}

std::wstring PageFooter(int page, int pages)
{
    return std::wstring(kPageWord) + L" " + std::to_wstring(page) + std::wstring(kPageOf) + std::to_wstring(pages);
}

int PrintRecipe(ui::PageSurface& surface, const ui::PageGeometry& geometry, const RecipeDocument& recipe)
{
    return ui::PrintLines(surface, geometry, RecipePrintLines(recipe), PageFooter);
}

bool PrintRecipe(ui::Printing& printing, HWND owner, const RecipeDocument& recipe)
{
    const auto surface = printing.Choose(owner, recipe.name);
    if (!surface)
        return false;
    PrintRecipe(*surface, ui::GeometryOf(surface->Dc()), recipe);
    return true;
}

}
