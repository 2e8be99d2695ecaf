// The recipe commands in the my-recipes window, chosen from its menus as the user chooses them:
// copy and print the recipe on screen, back up the file, restore a copy into both windows' lists.
#include "output/document.h"
#include "output/texts.h"
#include "personal/addrecepies.h"
#include "personal/backup_commands.h"
#include "personal/myrecepies.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "personal/windows.h"
#include "support/app_fixture.h"
#include "support/fake_keyboard_layouts.h"
#include "support/keyboard.h"
#include "support/metafile_surface.h"
#include "support/my_recipes_db.h"
#include "support/own_recipe_windows.h"
#include "support/scripted_menus.h"
#include "ui/clipboard.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using test_support::MyRecipe;
using test_support::StoredRecipes;

const std::vector<MyRecipe>& kThree = test_support::kThreeRecipes;

class RecordingClipboard final : public ui::Clipboard {
public:
    void SetText(HWND, const std::wstring& text) override { texts.push_back(text); }
    std::vector<std::wstring> texts;
};

class RecipeCommandsTest : public test_support::AppTest, protected test_support::OwnRecipeWindows {
protected:
    RecipeCommandsTest() { app.SetMenuTracker(menus); }
    // The windows go before the keyboard layouts, clipboard and printing they use.
    ~RecipeCommandsTest() override { CloseOwnRecipes(); }
    void Open(const std::vector<MyRecipe>& rows)
    {
        OpenOwnRecipes(rows, ui::kLight3D, layouts, output::Services{clipboard, printing});
    }
    // A copy of the own-recipe file with these rows, made before the windows open it.
    static std::wstring MakeCopy(const std::wstring& name, const std::vector<MyRecipe>& rows)
    {
        test_support::WriteMyRecipes(rows);
        std::filesystem::rename(test_support::kMyRecipesFile, name);
        return (std::filesystem::current_path() / name).wstring();
    }
    void Select(int index)
    {
        mine->ListBox1.Select(index);
        mine->ListBox1Click();
    }
    // As the user picks an item from a context menu opened with the right mouse button.
    void Choose(const ui::Control& control, std::wstring_view caption)
    {
        menus.choices.push_back(std::wstring(caption));
        RECT r;
        GetWindowRect(control.Handle(), &r);
        SendMessageW(control.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control.Handle()),
                     MAKELPARAM(r.left + 5, r.top + 5));
    }
    static std::vector<std::wstring> Entries(const ui::ListBox& list)
    {
        std::vector<std::wstring> entries;
        for (int i = 0; i < list.Count(); ++i)
            entries.push_back(list.Item(i));
        return entries;
    }
    static std::vector<std::wstring> Names(const std::vector<MyRecipe>& rows)
    {
        std::vector<std::wstring> names;
        for (const auto& row : rows)
            names.push_back(row.name);
        return names;
    }

    test_support::ScriptedMenus menus;
    test_support::FakeKeyboardLayouts layouts{test_support::kBulgarian};
    RecordingClipboard clipboard;
    test_support::RecordingPrinting printing;
};

TEST_F(RecipeCommandsTest, CopyFromTheListOrAViewTakesTheWholeSelectedRecipe)
{
    Open(kThree);
    mine->Show();
    Choose(mine->ListBox1, output::kCopyCaption);
    EXPECT_TRUE(clipboard.texts.empty()) << "with nothing selected nothing is copied";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.back().text, output::kNoRecipeShown);

    Select(1);
    Choose(mine->ListBox1, output::kCopyCaption);
    Choose(mine->DBMemo2, output::kCopyCaption);
    const std::wstring expected = output::PlainText({L"Таратор", L"Моите Рецепти", L"краставици", L"Разбърква се."});
    EXPECT_EQ(clipboard.texts, (std::vector<std::wstring>{expected, expected}));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(RecipeCommandsTest, CtrlShiftCCopiesAndCtrlPPrintsTheRecipeButOtherCtrlKeysDoNot)
{
    Open(kThree);
    mine->Show();
    Select(0);
    const std::wstring recipe = output::PlainText({L"Баница", L"Моите Рецепти", L"кори\r\nсирене", L"Пече се."});
    struct Press {
        HWND where;
        WPARAM key;
        bool ctrl, shift;
    };
    // Keys pressed as a person does, in the list and in a view: only the exact shortcuts act.
    for (const Press& press : {Press{mine->ListBox1.Handle(), 'C', true, true}, Press{mine->DBMemo1.Handle(), 'C', true, true},
                               Press{mine->ListBox1.Handle(), 'P', true, false}, Press{mine->ListBox1.Handle(), 'P', true, true},
                               Press{mine->ListBox1.Handle(), 'C', false, true}, Press{mine->ListBox1.Handle(), 'C', true, false}})
        test_support::PressKey(press.where, press.key, press.ctrl, press.shift);
    EXPECT_EQ(clipboard.texts, (std::vector<std::wstring>{recipe, recipe})) << "Ctrl+Shift+C in the list and in a view";
    EXPECT_EQ(printing.documents, std::vector<std::wstring>{L"Баница"}) << "Ctrl+P, not Ctrl+Shift+P";
    EXPECT_TRUE(Errors().empty());
}

TEST_F(RecipeCommandsTest, PrintDrawsTheSelectedRecipeOnThePrinterChosen)
{
    Open(kThree);
    mine->Show();
    Select(2);
    Choose(mine->ListBox1, output::kPrintItemCaption);  // the dialog cancelled
    EXPECT_EQ(printing.documents, std::vector<std::wstring>{L"Мусака"});
    test_support::MetafileSurface surface;
    printing.surface = &surface;
    Choose(mine->ListBox1, output::kPrintItemCaption);
    EXPECT_TRUE(surface.finished);
    std::vector<std::wstring> drawn;
    for (const auto& page : surface.Read()) {
        for (const auto& text : page)
            drawn.push_back(text.text);
    }
    for (const wchar_t* part : {L"Мусака", L"Моите Рецепти", L"Продукти", L"картофи", L"Начин на приготвяне", L"1. Пече се."})
        EXPECT_EQ(std::ranges::count(drawn, std::wstring(part)), 1) << base::Narrow(part);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(RecipeCommandsTest, BackUpWritesEveryRecipeAndSaysHowMany)
{
    Open(kThree);
    mine->Show();
    const std::wstring target = (folder.Path() / L"копие.rec").wstring();
    dialogs.saveAnswers.push_back(ui::FileChoice{target, 0});
    Choose(mine->ListBox1, personal::kBackUpCaption);
    EXPECT_EQ(StoredRecipes(target), kThree);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_NE(dialogs.messages.back().text.find(L"съдържа 3 рецепти"), std::wstring::npos) << base::Narrow(dialogs.messages.back().text);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(RecipeCommandsTest, RestoreAddsTheNewRecipesAndBothListsShowThem)
{
    const std::wstring copy = MakeCopy(L"копие.rec", {kThree[0], {L"Кекс", L"брашно", L"Пече се."}});
    Open(kThree);
    add->Show();
    add->Close();
    mine->Show();
    dialogs.openAnswers.push_back(ui::FileChoice{copy, 0});
    dialogs.messageAnswers = {IDYES, IDOK};
    Choose(mine->ListBox1, personal::kRestoreCaption);
    EXPECT_TRUE(Errors().empty()) << base::Narrow(Errors().front());
    const std::vector<std::wstring> after{L"Баница", L"Таратор", L"Мусака", L"Кекс"};
    EXPECT_EQ(Names(StoredRecipes()), after);
    EXPECT_EQ(Entries(mine->ListBox1), after);
    EXPECT_EQ(Entries(add->ListBox1), after);
    ASSERT_GE(dialogs.messages.size(), 2u);
    const std::wstring& question = dialogs.messages[0].text;
    for (const wchar_t* count : {L"Копието съдържа 2 рецепти", L"нови: 1", L"без промяна: 1", L"различен текст: 0"})
        EXPECT_NE(question.find(count), std::wstring::npos) << base::Narrow(question);
}

TEST_F(RecipeCommandsTest, SharedNamesAreSettledAsTheUserChose)
{
    const std::wstring copy = MakeCopy(L"копие.rec", {{L"Таратор", L"краставици, копър", L"Разбърква се."}});
    const struct {
        int answer;
        std::vector<MyRecipe> after;
    } kCases[] = {
        {IDTRYAGAIN, {kThree[0], kThree[1], kThree[2], {L"Таратор (копие)", L"краставици, копър", L"Разбърква се."}}},
        {IDCONTINUE, {kThree[0], {L"Таратор", L"краставици, копър", L"Разбърква се."}, kThree[2]}},
        {IDCANCEL, kThree},
    };
    for (const auto& c : kCases) {
        Open(kThree);
        mine->Show();
        dialogs.messages.clear();
        dialogs.openAnswers.push_back(ui::FileChoice{copy, 0});
        dialogs.messageAnswers = {c.answer, IDOK};
        Choose(mine->ListBox1, personal::kRestoreCaption);
        EXPECT_EQ(StoredRecipes(), c.after) << c.answer;
        EXPECT_EQ(Entries(mine->ListBox1), Names(c.after)) << c.answer;
        // Texts replaced by the copy's are kept: the file as it was, in a backup beside it.
        const std::wstring kept = personal::KeptBeforeRestore(store->Path());
        EXPECT_EQ(std::filesystem::exists(kept), c.answer == IDCONTINUE) << c.answer;
        if (c.answer == IDCONTINUE) {
            EXPECT_EQ(StoredRecipes(kept), kThree);
            ASSERT_GE(dialogs.messages.size(), 2u);
            EXPECT_NE(dialogs.messages.back().text.find(kept), std::wstring::npos) << base::Narrow(dialogs.messages.back().text);
            std::filesystem::remove(kept);
        }
        ASSERT_FALSE(dialogs.messages.empty());
        // The question names its three answers as the program does.
        EXPECT_EQ(dialogs.messages[0].buttons.size(), 3u);
    }
    EXPECT_TRUE(Errors().empty());
}

TEST_F(RecipeCommandsTest, ADamagedCopyIsRefusedAndNothingChanges)
{
    {
        std::FILE* file = _wfopen(L"повреден.rec", L"wb");
        std::fputs("SQLite format 3\0 and then nothing a database would hold", file);
        std::fclose(file);
    }
    Open(kThree);
    mine->Show();
    dialogs.openAnswers.push_back(ui::FileChoice{(folder.Path() / L"повреден.rec").wstring(), 0});
    Choose(mine->ListBox1, personal::kRestoreCaption);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors().front().starts_with(personal::kCopyRefused)) << base::Narrow(Errors().front());
    EXPECT_EQ(StoredRecipes(), kThree);
    EXPECT_EQ(Entries(mine->ListBox1), Names(kThree));
}

}
