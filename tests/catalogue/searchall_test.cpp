// The search window over everything: results as the user types, from every category, the spice
// encyclopedia and the own recipes; opening a result where it lives; the keyboard throughout;
// the index built for a catalogue without one and again when the catalogue changes.
#include "app/pelnor.h"
#include "app/program.h"
#include "catalogue/search_texts.h"
#include "catalogue/searchall.h"
#include "data/search_index.h"
#include "personal/myrecepies.h"
#include "personal/recipe_store.h"
#include "support/keyboard.h"
#include "support/main_window_fixture.h"
#include "support/my_recipes_db.h"
#include "support/search_wait.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using test_support::PressKey;
using base::Narrow;

class SearchAllTest : public test_support::MainWindowFixture {
protected:
    void SetUp() override
    {
        test_support::WriteMyRecipes({{L"Баница", L"кори\r\nсирене", L"Пече се."},
                                      {L"Тиквена супа", L"тиква\r\nлук", L"Сварява се."}});
        store.emplace();
        mine = std::make_unique<TForm5>(*store, ui::kLight3D);
        Form5 = mine.get();
        OpenMainWindow({{.name = L"Супи", .rows = {{L"Таратор", L"кисело мляко\r\nкраставица", L"Разбърква се."}}},
                        {.name = L"Пролет",
                         .rows = {{L"Салата", L"домати", L"Нарязват се."},
                                  {L"Пълнени чушки", L"чушки\r\n300 г тиква\r\nориз", L"Пълнят се."},
                                  {L"Тиквеник", L"кори\r\nорехи", L"Пече се с настъргана тиква и захар."}}},
                        {.name = L"Лято", .rows = {{L"Шопска салата", L"домати\r\nсирене", L"Нарязват се."}}},
                        {.name = L"Podpravki", .rows = {{L"Риган", L"", L"Слага се в тиквичките."}}}});
        Form().UseOwnRecipes(*store);
        Form().Show();
        SetForegroundWindow(Form().Handle());
        app.ProcessMessages();
    }
    void TearDown() override
    {
        if (Form().SearchForm())
            Form().SearchForm()->Hide();
        Form5 = nullptr;
    }

    TForm7& Search()
    {
        if (!Form().SearchForm())
            Form().SearchAllExecute();
        return *Form().SearchForm();
    }

    // Types the text into the field and waits, with the window working on, until the results are in.
    void Type(const std::wstring& text)
    {
        Search().Edit1.SetText(text);
        WaitForResults();
    }
    void WaitForResults() { test_support::WaitForSearch(app, Search()); }

    // "name | where | line" for each result shown.
    std::vector<std::string> Shown()
    {
        std::vector<std::string> rows;
        auto& list = Search().ListView1;
        for (int row = 0; row < list.Count(); ++row)
            rows.push_back(Narrow(list.Cell(row, 0) + L" | " + list.Cell(row, 1) + L" | " + list.Cell(row, 2)));
        return rows;
    }

    std::optional<personal::RecipeStore> store;
    std::unique_ptr<TForm5> mine;
};

TEST_F(SearchAllTest, ResultsFromEveryPlaceNameMatchesFirst)
{
    Type(L"тикв");
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           Narrow(L"Тиквена супа | Моите Рецепти | тиква"),
                           Narrow(L"Тиквеник | Сезонна кухня - Пролет | Пече се с настъргана тиква и захар."),
                           Narrow(L"Пълнени чушки | Сезонна кухня - Пролет | 300 г тиква"),
                           Narrow(L"Риган | Подправки | Слага се в тиквичките."),
                       }));
    EXPECT_EQ(Narrow(Search().Label2.Text()), Narrow(L"Намерени рецепти: 4"));
}

TEST_F(SearchAllTest, AllWordsInAnyOrderExclusionsAndLatin)
{
    Type(L"сирене салата");
    EXPECT_EQ(Shown(), (std::vector<std::string>{Narrow(L"Шопска салата | Сезонна кухня - Лято | сирене")}));
    Type(L"салата без сирене");
    EXPECT_EQ(Shown(), (std::vector<std::string>{Narrow(L"Салата | Сезонна кухня - Пролет | ")}));
    Type(L"shopska");
    EXPECT_EQ(Shown(), (std::vector<std::string>{Narrow(L"Шопска салата | Сезонна кухня - Лято | ")}));
    Type(L"banitsa");
    EXPECT_EQ(Shown(), (std::vector<std::string>{Narrow(L"Баница | Моите Рецепти | ")}));
}

TEST_F(SearchAllTest, NoResultsAreToldInTheWindowNotInABox)
{
    Type(L"ябълка");
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Narrow(Search().Label2.Text()), Narrow(catalogue::kNothingFound));
    Type(L"-тиква");
    EXPECT_EQ(Narrow(Search().Label2.Text()), Narrow(catalogue::kOnlyExcluded));
    Type(L"");
    EXPECT_EQ(Narrow(Search().Label2.Text()), Narrow(catalogue::kTypeWords));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SearchAllTest, EnterOpensACatalogueRecipeInTheMainWindow)
{
    Type(L"тиква ориз");
    ASSERT_EQ(Shown().size(), 1u);
    PressKey(Search().Edit1.Handle(), VK_RETURN);
    EXPECT_EQ(Entries(), (std::vector<std::wstring>{L"Салата", L"Пълнени чушки", L"Тиквеник"}));
    EXPECT_EQ(Form().ListBox1.SelectedIndex(), 1);
    EXPECT_EQ(Narrow(Form().DBMemo1.Text()), Narrow(L"чушки\r\n300 г тиква\r\nориз"));
    EXPECT_EQ(Narrow(Form().StatusBar.PanelText(TForm1::kCataloguePanel)), Narrow(L"Сезонна кухня - Пролет: 3 Рецепти"));
    EXPECT_EQ(GetActiveWindow(), Form().Handle());
}

TEST_F(SearchAllTest, TheKeyboardMovesFromTheFieldToTheResultsAndOpensTheChosenOne)
{
    Type(L"тикв");
    PressKey(Search().Edit1.Handle(), VK_DOWN);
    EXPECT_EQ(GetFocus(), Search().ListView1.Handle());
    EXPECT_EQ(Search().ListView1.SelectedIndex(), 0);
    PressKey(Search().ListView1.Handle(), VK_DOWN);
    PressKey(Search().ListView1.Handle(), VK_RETURN);
    EXPECT_EQ(Form().ListBox1.SelectedIndex(), 2);
    EXPECT_EQ(Narrow(Form().DBMemo2.Text()), Narrow(L"Пече се с настъргана тиква и захар."));
}

TEST_F(SearchAllTest, TheSpiceOpensInTheEncyclopedia)
{
    Type(L"риган");
    PressKey(Search().Edit1.Handle(), VK_RETURN);
    EXPECT_EQ(Entries(), (std::vector<std::wstring>{L"Риган"}));
    EXPECT_EQ(Form().ListBox1.SelectedIndex(), 0);
    EXPECT_EQ(Narrow(Form().StatusBar.PanelText(TForm1::kCataloguePanel)), Narrow(L"Енциклопедия на подправките"));
}

TEST_F(SearchAllTest, AnOwnRecipeOpensInTheMyRecipesWindowSelected)
{
    Type(L"тиквена");
    // Enter opens the my-recipes window modally; Esc, waiting behind it, closes it again.
    PostMessageW(Search().Edit1.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(mine->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    app.ProcessMessages();
    EXPECT_FALSE(mine->Visible());
    EXPECT_EQ(mine->ListBox1.SelectedIndex(), 1);
    EXPECT_EQ(Narrow(mine->DBMemo1.Text()), Narrow(L"тиква\r\nлук"));
}

TEST_F(SearchAllTest, AnAddedOrDeletedOwnRecipeShowsAtOnce)
{
    Type(L"тиквена");
    ASSERT_EQ(Shown().size(), 1u);
    Search().Label2.SetText(L"");
    store->Add({L"Тиквена баница", L"тиква\r\nкори", L"Пече се."});
    WaitForResults();
    EXPECT_EQ(Shown().size(), 2u);
    Search().Label2.SetText(L"");
    store->Delete(store->List().at(1).id);
    WaitForResults();
    EXPECT_EQ(Shown(), (std::vector<std::string>{Narrow(L"Тиквена баница | Моите Рецепти | ")}));
}

TEST_F(SearchAllTest, TheIndexIsBuiltBesideTheCatalogueAndAgainWhenItChanges)
{
    const auto index = std::filesystem::path(L"Data") / L"pelnor_recepies.idx";
    EXPECT_FALSE(std::filesystem::exists(index));
    Type(L"таратор");
    EXPECT_TRUE(std::filesystem::exists(index));
    EXPECT_EQ(Shown().size(), 1u);
    test_support::AppendRecipe(L"Супи", {L"Таратор с орехи", L"орехи", L"Разбърква се."});
    Type(L"таратор орехи");
    EXPECT_EQ(Shown(), (std::vector<std::string>{Narrow(L"Таратор с орехи | Бърза кухня - Супи | орехи")}));
}

TEST_F(SearchAllTest, CtrlShiftFOpensTheWindowWithTheFieldReadyAndEscClosesIt)
{
    PressKey(Form().ListBox1.Handle(), 'F', true, true);
    ASSERT_NE(Form().SearchForm(), nullptr);
    EXPECT_TRUE(Search().Visible());
    EXPECT_EQ(GetFocus(), Search().Edit1.Handle());
    PressKey(Search().Edit1.Handle(), VK_ESCAPE);
    EXPECT_FALSE(Search().Visible());
    PressKey(Form().ListBox1.Handle(), 'F', true, false);
    EXPECT_FALSE(Search().Visible()) << "Ctrl+F alone is not the search over everything";
}

}
