// Browsing the catalogue in the main window: category fills, the status text, and showing the chosen recipe.
#include "app/pelnor.h"
#include "support/catalogue_db.h"
#include "support/keyboard.h"
#include "support/main_window_fixture.h"
#include "support/recipe_texts.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using test_support::CatalogueTable;
using test_support::RecipeRow;
using base::Narrow;
using Texts = std::vector<std::string>;

RecipeRow Recipe(const std::wstring& name)
{
    return {name, L"Продукти за " + name + L"\r\nсол", L"Начин за " + name + L"\r\nСервира се."};
}

CatalogueTable TableOf(const std::wstring& name, const std::vector<std::wstring>& names)
{
    CatalogueTable table{.name = name};
    for (const auto& recipe : names)
        table.rows.push_back(Recipe(recipe));
    return table;
}

const CatalogueTable kSoups = TableOf(L"Супи", {L"Боб чорба"});

// Two spring recipes share a name: only their position tells them apart.
const CatalogueTable kSpring{.name = L"Пролет",
                             .rows = {{L"Таратор", L"500 г кисело мляко\r\n1 краставица", L"Краставицата се нарязва.\r\nЗалива се с млякото."},
                                      {L"Таратор", L"400 г кисело мляко\r\n2 краставици\r\nкопър", L"Краставиците се настъргват.\r\nДобавя се копърът."},
                                      {L"Спаначена супа", L"300 г спанак\r\n1 яйце", L"Спанакът се сварява.\r\nЗастройва се с яйцето."}}};

const CatalogueTable kSummer = TableOf(L"Лято", {L"Пълнени чушки", L"Гювеч"});

class CategoryFillTest : public test_support::MainWindowFixture {
protected:
    Texts Shown() { return Utf8(Entries()); }
    std::string Products() { return Narrow(Form().DBMemo1.Text()); }
    std::string Method() { return Narrow(Form().DBMemo2.Text()); }
    std::string Status() { return Narrow(Form().StatusBar.PanelText(TForm1::kCataloguePanel)); }

    static Texts Utf8(const std::vector<std::wstring>& texts)
    {
        Texts result;
        for (const auto& text : texts)
            result.push_back(Narrow(text));
        return result;
    }
    static Texts NamesOf(const CatalogueTable& table)
    {
        Texts names;
        for (const auto& row : table.rows)
            names.push_back(Narrow(row.name.value_or(L"")));
        return names;
    }
    static bool Mentions(const std::wstring& text, std::wstring_view part) { return text.find(part) != std::wstring::npos; }
};

// Each category command lists its own table, in stored order, and shows its status text.
struct CategoryCase {
    const wchar_t* command;
    const wchar_t* table;
    std::vector<std::wstring> names;
    const wchar_t* status;
};

void PrintTo(const CategoryCase& category, std::ostream* out)
{
    *out << Narrow(category.command) << " -> " << Narrow(category.table);
}

const CategoryCase kCategoryCases[] = {
    {L"Prolet", L"Пролет", {L"Яйца по панагюрски", L"Зелена салата", L"Агнешко с лук"}, L"Сезонна кухня - Пролет: 3 Рецепти"},
    {L"Torti", L"Торти Кексове и Рула", {L"Торта Гараш", L"Кекс с орехи"},
     L"Сладкарска Кухня - Торти,Кексове и Рула: 2 Рецепти"},
    {L"sladkishi", L"Сладкиши", {L"Тиквеник", L"Баклава", L"Мляко с ориз", L"Крем карамел"},
     L"Сладкарска Кухня - Сладкиши: 4 Рецепти"},
    {L"Kokteili", L"Коктейли", {L"Боле с ягоди"}, L"Коктейли и Болета: 1 Рецепти"},
    {L"Enciklopedia", L"Podpravki", {L"Чубрица", L"Джоджен"}, L"Енциклопедия на подправките"},
};

class CategoryCommandTest : public CategoryFillTest, public ::testing::WithParamInterface<CategoryCase> {
protected:
    void SetUp() override
    {
        // Every table is there, so a command that lists the wrong one shows the wrong names.
        std::vector<CatalogueTable> catalogue{kSoups};
        for (const auto& category : kCategoryCases)
            catalogue.push_back(TableOf(category.table, category.names));
        OpenMainWindow(catalogue);
    }
};

TEST_P(CategoryCommandTest, ListsItsTableInStoredOrderAndShowsTheStatus)
{
    RunCommand(GetParam().command);
    EXPECT_EQ(Shown(), Utf8(GetParam().names));
    EXPECT_EQ(Status(), Narrow(GetParam().status));
    EXPECT_TRUE(Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Categories, CategoryCommandTest, ::testing::ValuesIn(kCategoryCases),
                         [](const ::testing::TestParamInfo<CategoryCase>& info) { return Narrow(info.param.command); });

TEST_F(CategoryFillTest, ChoosingTheCurrentCategoryAgainRereadsItAndClearsTheChoice)
{
    OpenMainWindow({kSoups, kSpring});
    RunCommand(L"Prolet");
    ChooseEntry(1);
    ASSERT_NE(Products(), "");
    test_support::AppendRecipe(L"Пролет", Recipe(L"Пролетна салата"));

    RunCommand(L"Prolet");

    Texts expected = NamesOf(kSpring);
    expected.push_back("Пролетна салата");
    EXPECT_EQ(Shown(), expected);
    EXPECT_EQ(Status(), "Сезонна кухня - Пролет: 4 Рецепти");
    EXPECT_EQ(Form().ListBox1.SelectedIndex(), -1);
    EXPECT_EQ(Products(), "");
    EXPECT_EQ(Method(), "");
    EXPECT_TRUE(Errors().empty());
}

TEST_F(CategoryFillTest, ChoosingAnEntryShowsTheRowAtItsPosition)
{
    OpenMainWindow({kSoups, kSpring});
    RunCommand(L"Prolet");
    // Out of order, and the second of the two same-named recipes among them.
    for (const int entry : {1, 0, 2, 1}) {
        SCOPED_TRACE("entry " + std::to_string(entry));
        ChooseEntry(entry);
        EXPECT_EQ(Products(), Narrow(kSpring.rows[entry].products));
        EXPECT_EQ(Method(), Narrow(kSpring.rows[entry].burn));
    }
    EXPECT_TRUE(Errors().empty());
}

TEST_F(CategoryFillTest, EveryIngredientLineOfALongListCanBeScrolledInto)
{
    const std::wstring products = test_support::IngredientLines(19);
    OpenMainWindow({kSoups, {.name = L"Пролет", .rows = {{L"Беф бургиньон", products, L"Задушава се."}}}});
    Form().Show();
    RunCommand(L"Prolet");
    ChooseEntry(0);
    ASSERT_EQ(Form().DBMemo1.Text(), products);
    EXPECT_TRUE(GetWindowLongW(Form().DBMemo1.Handle(), GWL_STYLE) & WS_VSCROLL) << "no sign that more lines follow";
    EXPECT_GT(test_support::FirstLineShownAtTheEnd(Form().DBMemo1.Handle()), 0) << "the last lines cannot be reached";
}

TEST_F(CategoryFillTest, SwitchingCategoryBlanksTheViewsUntilTheNextChoice)
{
    OpenMainWindow({kSoups, kSpring, kSummer});
    RunCommand(L"Prolet");
    ChooseEntry(0);
    ASSERT_NE(Products(), "");

    RunCommand(L"Liato");
    EXPECT_EQ(Shown(), NamesOf(kSummer));
    EXPECT_EQ(Products(), "");
    EXPECT_EQ(Method(), "");

    ChooseEntry(1);
    EXPECT_EQ(Products(), Narrow(kSummer.rows[1].products));
    EXPECT_EQ(Method(), Narrow(kSummer.rows[1].burn));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(CategoryFillTest, MissingTableKeepsTheOldEntriesBlanksTheViewsAndReportsIt)
{
    OpenMainWindow({kSoups, kSpring});
    RunCommand(L"Prolet");
    ChooseEntry(2);
    ASSERT_NE(Products(), "");

    RunCommand(L"Liato");

    EXPECT_EQ(Shown(), NamesOf(kSpring));
    EXPECT_EQ(Products(), "");
    EXPECT_EQ(Method(), "");
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Mentions(Errors()[0], L"Лято")) << Narrow(Errors()[0]);

    ChooseEntry(0);
    EXPECT_EQ(Errors().size(), 2u);
    EXPECT_EQ(Products(), "");
    EXPECT_EQ(Method(), "");
}

TEST_F(CategoryFillTest, NullNameStopsTheFillAtThatRowAndReportsTheField)
{
    OpenMainWindow({kSoups,
                    {.name = L"Пролет",
                     .rows = {Recipe(L"Таратор"), Recipe(L"Зелена чорба"), {std::nullopt, L"лук", L"Нарязва се."},
                              Recipe(L"Агнешко")}}});
    RunCommand(L"Prolet");
    EXPECT_EQ(Shown(), (Texts{"Таратор", "Зелена чорба"}));
    EXPECT_EQ(Status(), "Сезонна кухня - Пролет: 2 Рецепти");
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Mentions(Errors()[0], L"name")) << Narrow(Errors()[0]);
}

TEST_F(CategoryFillTest, TableWithoutProductsFailsWhenAnEntryIsChosen)
{
    CatalogueTable spring = TableOf(L"Пролет", {L"Таратор", L"Зелена чорба"});
    spring.fields = {L"name", L"Ingredients", L"Burn"};
    OpenMainWindow({kSoups, spring});
    RunCommand(L"Prolet");
    ASSERT_EQ(Shown(), (Texts{"Таратор", "Зелена чорба"}));
    EXPECT_TRUE(Errors().empty());

    ChooseEntry(1);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Mentions(Errors()[0], L"Products")) << Narrow(Errors()[0]);
}

TEST_F(CategoryFillTest, EmptyTableListsNothingAndShowsItsOwnCountOfNone)
{
    OpenMainWindow({kSoups, kSpring, TableOf(L"Лято", {})});
    RunCommand(L"Prolet");
    ASSERT_NE(Status(), "");

    RunCommand(L"Liato");
    EXPECT_EQ(Shown(), Texts{});
    EXPECT_EQ(Status(), "Сезонна кухня - Лято: 0 Рецепти");
    EXPECT_TRUE(Errors().empty());
}

}
