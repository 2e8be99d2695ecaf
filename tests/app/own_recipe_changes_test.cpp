// One change to the own recipes, made in whichever window, reaches every window that shows them:
// the add-recipe window's list, the my-recipes window's list and the search over everything.
#include "app/pelnor.h"
#include "base/text.h"
#include "catalogue/searchall.h"
#include "support/fake_keyboard_layouts.h"
#include "support/main_window_fixture.h"
#include "support/my_recipes_db.h"
#include "support/own_recipe_windows.h"
#include "support/scratch_folder.h"
#include "support/search_wait.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using test_support::MyRecipe;

const std::vector<MyRecipe> kOwn{{L"Тиквена супа", L"тиква", L"Сварява се."},
                                 {L"Тиквеник", L"тиква\r\nкори", L"Пече се."},
                                 {L"Баница", L"кори", L"Пече се."}};

class OwnRecipeChangesTest : public test_support::MainWindowFixture, protected test_support::OwnRecipeWindows {
protected:
    void SetUp() override
    {
        OpenMainWindow({{.name = L"Супи", .rows = {{L"Таратор", L"краставици", L"Разбърква се."}}}});
        OpenOwnRecipes(kOwn, ui::kLight3D, layouts);
        Form().UseOwnRecipes(*store);
        Form().Show();
        Form().SearchAllExecute();
        Search(L"тиква");
        add->Show();
        mine->Show();
        // The add-recipe window takes the Bulgarian layout, as the user switches to it.
        PostMessageW(add->Edit1.Handle(), WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(test_support::kBulgarian));
        app.ProcessMessages();
    }
    void TearDown() override
    {
        Form().SearchForm()->Hide();
        CloseOwnRecipes();
    }

    // Types the text into the search field and waits, with the windows working on, for the results.
    void Search(const std::wstring& text)
    {
        Form().SearchForm()->Label2.SetText(L"");
        Form().SearchForm()->Edit1.SetText(text);
        WaitForResults();
    }
    void WaitForResults() { test_support::WaitForSearch(app, *Form().SearchForm()); }
    // The own recipes the search shows for "тиква", by name.
    std::vector<std::wstring> Found()
    {
        std::vector<std::wstring> names;
        const auto& list = Form().SearchForm()->ListView1;
        for (int row = 0; row < list.Count(); ++row) {
            if (list.Cell(row, 1) == L"Моите Рецепти")
                names.push_back(list.Cell(row, 0));
        }
        return names;
    }
    static std::vector<std::wstring> Entries(const ui::ListBox& list)
    {
        std::vector<std::wstring> entries;
        for (int i = 0; i < list.Count(); ++i)
            entries.push_back(list.Item(i));
        return entries;
    }
    static void Choose(ui::ListBox& list, int index)
    {
        list.Select(index);
    }

    test_support::FakeKeyboardLayouts layouts{test_support::kBulgarian};
};

struct ChangeCase {
    const char* name;
    std::function<void(OwnRecipeChangesTest&)> make;
    std::vector<std::wstring> listed;  // both windows' lists after it
    std::vector<std::wstring> found;   // the own recipes the search shows after it
};

void PrintTo(const ChangeCase& c, std::ostream* out)
{
    *out << c.name;
}

class OwnRecipeChangeTest : public OwnRecipeChangesTest, public ::testing::WithParamInterface<ChangeCase> {
public:
    // What the user does, for the cases below.
    void AddInTheAddWindow()
    {
        add->Edit1.SetText(L"Тиквени палачинки");
        add->Memo1.SetText(L"тиква\r\nбрашно");
        add->Memo2.SetText(L"Пържат се.");
        add->Image3Click();
    }
    void DeleteInTheAddWindow()
    {
        dialogs.messageAnswers = {IDYES};
        Choose(add->ListBox1, 1);
        add->N1Click();
    }
    void DeleteInTheMyRecipesWindow()
    {
        dialogs.messageAnswers = {IDYES};
        Choose(mine->ListBox1, 1);
        mine->ListBox1Click();
        mine->N1Click();
    }
    void RestoreInTheMyRecipesWindow()
    {
        Restore([this] { mine->RestoreClick(); });
    }
    void RestoreFromTheMainWindow()
    {
        Restore([this] { Form().VazstanoviExecute(); });
    }

private:
    // Restores a copy of the own-recipe file with one recipe more.
    void Restore(const std::function<void()>& command)
    {
        const std::wstring copy = (std::filesystem::current_path() / L"копие.rec").wstring();
        store->BackUp(copy);
        test_support::RunSql(copy, "INSERT INTO \"Моите рецепти\" (Name, Products, Burn) "
                                   "VALUES ('Тиквени кюфтета', 'тиква', 'Пържат се.')");
        dialogs.openAnswers.push_back(ui::FileChoice{copy, 0});
        dialogs.messageAnswers = {IDYES, IDOK};
        command();
    }
};

const ChangeCase kChanges[] = {
    {"an add in the add-recipe window", [](OwnRecipeChangesTest& t) { static_cast<OwnRecipeChangeTest&>(t).AddInTheAddWindow(); },
     {L"Тиквена супа", L"Тиквеник", L"Баница", L"Тиквени палачинки"},
     {L"Тиквени палачинки", L"Тиквена супа", L"Тиквеник"}},
    {"a delete in the add-recipe window", [](OwnRecipeChangesTest& t) { static_cast<OwnRecipeChangeTest&>(t).DeleteInTheAddWindow(); },
     {L"Тиквена супа", L"Баница"},
     {L"Тиквена супа"}},
    {"a delete in the my-recipes window",
     [](OwnRecipeChangesTest& t) { static_cast<OwnRecipeChangeTest&>(t).DeleteInTheMyRecipesWindow(); },
     {L"Тиквена супа", L"Баница"},
     {L"Тиквена супа"}},
    {"a restore in the my-recipes window",
     [](OwnRecipeChangesTest& t) { static_cast<OwnRecipeChangeTest&>(t).RestoreInTheMyRecipesWindow(); },
     {L"Тиквена супа", L"Тиквеник", L"Баница", L"Тиквени кюфтета"},
     {L"Тиквени кюфтета", L"Тиквена супа", L"Тиквеник"}},
    {"a restore from the main window",
     [](OwnRecipeChangesTest& t) { static_cast<OwnRecipeChangeTest&>(t).RestoreFromTheMainWindow(); },
     {L"Тиквена супа", L"Тиквеник", L"Баница", L"Тиквени кюфтета"},
     {L"Тиквени кюфтета", L"Тиквена супа", L"Тиквеник"}},
};

TEST_P(OwnRecipeChangeTest, ReachesBothListsAndTheSearch)
{
    ASSERT_EQ(Found(), (std::vector<std::wstring>{L"Тиквена супа", L"Тиквеник"}));
    Form().SearchForm()->Label2.SetText(L"");
    GetParam().make(*this);
    EXPECT_TRUE(Errors().empty()) << base::Narrow(Errors().front());
    EXPECT_EQ(Entries(add->ListBox1), GetParam().listed);
    EXPECT_EQ(Entries(mine->ListBox1), GetParam().listed);
    WaitForResults();
    std::vector<std::wstring> found = Found();
    std::ranges::sort(found);
    std::vector<std::wstring> expected = GetParam().found;
    std::ranges::sort(expected);
    EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(InEitherWindow, OwnRecipeChangeTest, ::testing::ValuesIn(kChanges),
                         [](const ::testing::TestParamInfo<ChangeCase>& info) { return std::to_string(info.index); });

TEST_F(OwnRecipeChangesTest, AChangeKeepsTheChangedRecipeChosenAndShownInTheMyRecipesWindow)
{
    Choose(mine->ListBox1, 1);
    mine->ListBox1Click();
    const personal::RecipeId id = store->List().at(1).id;
    store->Change(id, {L"Тиквеник с орехи", L"тиква\r\nорехи", L"Пече се."});
    EXPECT_EQ(Entries(mine->ListBox1), (std::vector<std::wstring>{L"Тиквена супа", L"Тиквеник с орехи", L"Баница"}));
    EXPECT_EQ(Entries(add->ListBox1), (std::vector<std::wstring>{L"Тиквена супа", L"Тиквеник с орехи", L"Баница"}));
    EXPECT_EQ(mine->ListBox1.SelectedIndex(), 1);
    EXPECT_EQ(mine->DBMemo1.Text(), L"тиква\r\nорехи");
}

}  // namespace
