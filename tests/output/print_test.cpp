// The printed recipe, drawn through the code that prints into a metafile and read back: every
// line once and in its place, parts in order, pages numbered, nothing outside the margins, on A4
// and on Letter.
#include "output/document.h"
#include "output/print.h"
#include "output/texts.h"
#include "support/metafile_surface.h"
#include "ui/printing.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using test_support::DrawnPage;
using test_support::DrawnText;
using test_support::MetafileSurface;

// Paper at 300 dots per inch, printable to 4 mm from each edge.
ui::PageGeometry Paper(int width, int height)
{
    return {.dpiX = 300, .dpiY = 300, .paperWidth = width, .paperHeight = height, .printable = {50, 50, width - 50, height - 50}};
}
const ui::PageGeometry kA4 = Paper(2480, 3508);
const ui::PageGeometry kLetter = Paper(2550, 3300);
// 20 mm at 300 dpi, from the paper's edge; drawn coordinates start at the printable corner.
constexpr int kMargin = 236;

output::RecipeDocument LongRecipe()
{
    output::RecipeDocument recipe{.name = L"Коледна пуйка с кестени", .place = L"Празнична Кухня"};
    for (int i = 1; i <= 70; ++i)
        recipe.products += L"продукт номер " + std::to_wstring(i) + L" – 100 г\r\n";
    recipe.products += L"\r\n";
    for (int i = 1; i <= 45; ++i)
        recipe.burn += std::to_wstring(i) + L". Стъпка " + std::to_wstring(i) + L" от приготвянето.\r\n";
    return recipe;
}

class RecipePrintTest : public ::testing::TestWithParam<ui::PageGeometry> {};

TEST_P(RecipePrintTest, EveryLineIsPrintedOnceInOrderInsideTheMarginsWithNumberedPages)
{
    const ui::PageGeometry paper = GetParam();
    const output::RecipeDocument recipe = LongRecipe();
    MetafileSurface surface;
    const int count = output::PrintPages(surface, paper, output::RecipePrintLines(recipe));
    const auto pages = surface.Read();
    ASSERT_GT(count, 1) << "the recipe is long enough for more than one page";
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(surface.begun, count);
    EXPECT_EQ(surface.ended, count);
    EXPECT_TRUE(surface.finished);

    std::vector<std::wstring> body;
    for (int page = 0; page < count; ++page) {
        const DrawnPage& drawn = pages[page];
        ASSERT_FALSE(drawn.empty());
        // The footer is drawn last, below every other line of its page.
        const DrawnText& footer = drawn.back();
        EXPECT_EQ(footer.text, output::PageFooter(page + 1, count));
        for (std::size_t i = 0; i + 1 < drawn.size(); ++i) {
            const DrawnText& line = drawn[i];
            EXPECT_GE(line.x + paper.printable.left, kMargin) << base::Narrow(line.text);
            EXPECT_GE(line.y + paper.printable.top, kMargin) << base::Narrow(line.text);
            EXPECT_LT(line.y, footer.y) << base::Narrow(line.text);
            body.push_back(line.text);
        }
        EXPECT_LT(footer.y + paper.printable.top, paper.paperHeight - kMargin);
        // A heading never ends a page.
        EXPECT_NE(drawn[drawn.size() - 2].text, std::wstring(output::kProductsHeading));
        EXPECT_NE(drawn[drawn.size() - 2].text, std::wstring(output::kMethodHeading));
    }
    std::vector<std::wstring> expected;
    for (const auto& line : output::RecipePrintLines(recipe)) {
        if (!line.text.empty())
            expected.push_back(line.text);
    }
    EXPECT_EQ(body, expected);
    ASSERT_GE(body.size(), 4u);
    EXPECT_EQ(body[0], recipe.name);
    EXPECT_EQ(body[1], recipe.place);
    EXPECT_EQ(body[2], std::wstring(output::kProductsHeading));
    EXPECT_EQ(body[3], L"продукт номер 1 – 100 г");
    EXPECT_EQ(std::ranges::count(body, std::wstring(output::kMethodHeading)), 1);
    EXPECT_EQ(body.back(), L"45. Стъпка 45 от приготвянето.");
}

INSTANTIATE_TEST_SUITE_P(Papers, RecipePrintTest, ::testing::Values(kA4, kLetter),
                         [](const auto& info) { return info.index == 0 ? std::string("A4") : std::string("Letter"); });

TEST(RecipePrintLinesTest, NameThenPlaceThenIngredientsThenNumberedSteps)
{
    const output::RecipeDocument recipe{.name = L"Таратор", .place = L"Моите Рецепти", .products = L"краставици\n\nкопър",
                                          .burn = L"Нарежи.\nРазбъркай."};
    std::vector<std::wstring> texts;
    for (const auto& line : output::RecipePrintLines(recipe))
        texts.push_back(line.text);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Таратор", L"Моите Рецепти", L"", L"Продукти", L"краставици", L"копър", L"",
                                                L"Начин на приготвяне", L"1. Нарежи.", L"2. Разбъркай."}));
}

TEST(RecipePrintTest2, AWrappedLineIsNeverSplitBetweenPagesAndLosesNothing)
{
    output::RecipeDocument recipe{.name = L"Дълга", .place = L"Моите Рецепти"};
    for (int i = 1; i <= 40; ++i)
        recipe.products += L"ред " + std::to_wstring(i) + L"\n";
    std::wstring longLine;
    for (int i = 1; i <= 60; ++i)
        longLine += L"дума" + std::to_wstring(i) + L" ";
    longLine.pop_back();
    recipe.burn = longLine;
    MetafileSurface surface;
    output::PrintPages(surface, kA4, output::RecipePrintLines(recipe));
    const auto pages = surface.Read();
    // The pieces of the one long step follow one another on one page and give the step again.
    int pageOfStep = -1;
    std::wstring joined;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (const auto& drawn : pages[page]) {
            if (drawn.text.starts_with(L"1. дума1 ") || (!joined.empty() && drawn.text.starts_with(L"дума"))) {
                if (pageOfStep < 0)
                    pageOfStep = static_cast<int>(page);
                EXPECT_EQ(static_cast<int>(page), pageOfStep) << "the step was split between pages";
                joined += (joined.empty() ? L"" : L" ") + drawn.text;
            }
        }
    }
    EXPECT_EQ(joined, L"1. " + longLine);
}

}
