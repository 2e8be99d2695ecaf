// The recipe search: the find dialog walks the current list with FindPos and reports the end.
#include "app/pelnor.h"
#include "catalogue/recipe_search.h"
#include "support/app_fixture.h"
#include "support/catalogue_db.h"

#include <commdlg.h>
#include <dlgs.h>

#include <string>
#include <vector>

namespace {

using test_support::CatalogueTable;
using test_support::RecipeRow;

RecipeRow Named(const wchar_t* name)
{
    return {name, std::wstring(L"продукти за ") + name, std::wstring(L"приготвяне на ") + name};
}

class RecipeSearchTest : public test_support::AppTest {
protected:
    RecipeSearchTest()
    {
        test_support::WriteCatalogue({
            CatalogueTable{L"Супи", {Named(L"Боб чорба"), Named(L"Таратор")}},
            CatalogueTable{L"Пролет", {Named(L"Чорба от киселец"), Named(L"Спанак с ориз"), Named(L"чорба от коприва"),
                                       Named(L"Агнешка чорба"), Named(L"Салата")}},
            CatalogueTable{L"Лято", {Named(L"Таратор"), Named(L"Пълнени чушки")}},
        });
        form = std::make_unique<TForm1>(settings::SettingsFile((folder.Path() / L"settings.ini").wstring()));
    }

    void Run(const wchar_t* command)
    {
        SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(form->ActionManager1.Get(command).id, 0), 0);
    }

    // Types the text into the open dialog and presses its find-next button, as the user does.
    void FindNext(const wchar_t* text)
    {
        HWND dialog = form->FindDialog.Handle();
        ASSERT_NE(dialog, nullptr);
        SetDlgItemTextW(dialog, edt1, text);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    }

    std::vector<std::wstring> Messages() const
    {
        std::vector<std::wstring> texts;
        for (const auto& message : dialogs.messages)
            texts.push_back(message.text);
        return texts;
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(RecipeSearchTest, AnEmptyListGivesTheMessageAtOnceAndClosesTheDialog)
{
    Run(L"Find");
    FindNext(L"чорба");

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, catalogue::kNoMoreRecipes);
    EXPECT_EQ(dialogs.messages[0].caption, L"Велмора XP");
    EXPECT_EQ(dialogs.messages[0].style, static_cast<UINT>(MB_OK));
    EXPECT_EQ(form->FindDialog.Handle(), nullptr);
}

TEST_F(RecipeSearchTest, SuccessiveFindsWalkTheMatchesCaseSensitivelyThenReportTheEnd)
{
    Run(L"Prolet");
    Run(L"Find");

    std::vector<int> selected;
    for (int request = 0; request < 2; ++request) {
        FindNext(L"чорба");
        selected.push_back(form->ListBox1.SelectedIndex());
    }
    // "Чорба от киселец" starts with a capital letter: no match for the lower-case text.
    EXPECT_EQ(selected, (std::vector<int>{2, 3}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NE(form->FindDialog.Handle(), nullptr);

    FindNext(L"чорба");
    EXPECT_EQ(Messages(), std::vector<std::wstring>{std::wstring(catalogue::kNoMoreRecipes)});
    EXPECT_EQ(form->FindDialog.Handle(), nullptr);

    Run(L"Find");
    EXPECT_EQ(form->ListBox1.SelectedIndex(), -1);
    FindNext(L"чорба");
    EXPECT_EQ(form->ListBox1.SelectedIndex(), 2);
}

TEST_F(RecipeSearchTest, AMatchIsTheRecipeShownAndTheDialogKeepsClearOfItsName)
{
    form->Show();
    Run(L"Prolet");
    Run(L"Find");
    const HWND dialog = form->FindDialog.Handle();
    ASSERT_NE(dialog, nullptr);
    // The dialog stands over the entry the search is going to find.
    const RECT entry = form->ListBox1.ItemScreenRect(4);
    SetWindowPos(dialog, nullptr, entry.left + 10, entry.top - 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    FindNext(L"Салата");

    EXPECT_EQ(form->ListBox1.SelectedIndex(), 4);
    EXPECT_EQ(form->DBMemo1.Text(), L"продукти за Салата");
    EXPECT_EQ(form->DBMemo2.Text(), L"приготвяне на Салата");
    RECT found = form->ListBox1.ItemScreenRect(4);
    RECT dialogRect;
    GetWindowRect(dialog, &dialogRect);
    RECT overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &dialogRect, &found)) << "the dialog covers the entry found";
}

TEST_F(RecipeSearchTest, ACategoryChangeKeepsThePositionInTheNewList)
{
    Run(L"Prolet");
    Run(L"Find");
    FindNext(L"Агнешка");
    ASSERT_EQ(form->ListBox1.SelectedIndex(), 3);

    Run(L"Liato");
    FindNext(L"Таратор");

    EXPECT_EQ(form->ListBox1.SelectedIndex(), -1);
    EXPECT_EQ(Messages(), std::vector<std::wstring>{std::wstring(catalogue::kNoMoreRecipes)});
}

TEST(RecipeSearch, MatchesPlainSubstrings)
{
    struct Case {
        const wchar_t* text;
        int found;
    };
    const Case cases[] = {
        {L"Спанак с ориз", 1},  // the whole entry
        {L"ориз", 1},
        {L"спанак", -1},        // no folding of letter case
        {L"ориз ", -1},         // no trimming
        {L"", -1},              // an empty text occurs nowhere
    };
    test_support::ScriptedDialogs dialogs;
    ui::Application app(dialogs);
    struct Host : ui::Form {
        Host() : ui::Form({.caption = L"host", .clientWidth = 200, .clientHeight = 200}) {}
    } host;
    ui::ListBox list({.parent = host.Handle(), .bounds = {0, 0, 100, 100}});
    const std::vector<std::wstring> names{L"Таратор", L"Спанак с ориз", L"Салата"};
    for (const auto& entry : names)
        list.Add(entry);
    for (const auto& c : cases) {
        std::int32_t findPos = 0;
        list.Select(-1);
        const bool found = catalogue::FindNext(names, list, findPos, c.text);
        EXPECT_EQ(found ? list.SelectedIndex() : -1, c.found) << std::wstring(c.text).size();
        EXPECT_EQ(findPos, found ? c.found + 1 : list.Count());
    }
}

}
