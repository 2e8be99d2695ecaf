// The add-recipe and my-recipes windows together, driven as the user drives them, with scripted
// boxes and a keyboard of US English and Bulgarian layouts.
#include "personal/addrecepies.h"
#include "personal/myrecepies.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "personal/windows.h"
#include "support/app_fixture.h"
#include "support/fake_keyboard_layouts.h"
#include "support/keyboard.h"
#include "support/my_recipes_db.h"
#include "support/own_recipe_windows.h"
#include "support/recipe_texts.h"
#include "support/scripted_menus.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using test_support::MyRecipe;
using test_support::StoredRecipes;

// A background no control has of its own, so a view that shows it was given it.
constexpr ui::Color kViewColor = ui::Color::Direct(RGB(0x12, 0x34, 0x56));

const std::vector<MyRecipe>& kThree = test_support::kThreeRecipes;

class OwnRecipeWindowsTest : public test_support::AppTest, protected test_support::OwnRecipeWindows {
protected:
    void Open(const std::vector<MyRecipe>& rows) { OpenOwnRecipes(rows, kViewColor, layouts); }
    OwnRecipeWindowsTest() { app.SetMenuTracker(menus); }
    // The windows go before the keyboard layouts and menus they use.
    ~OwnRecipeWindowsTest() override { CloseOwnRecipes(); }

    // As the user switches with the keyboard: the request goes to the focused field through the queue.
    void SwitchTo(HKL layout)
    {
        PostMessageW(add->Edit1.Handle(), WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(layout));
        app.ProcessMessages();
    }
    void Type(const MyRecipe& recipe)
    {
        add->Edit1.SetText(recipe.name);
        add->Memo1.SetText(recipe.products);
        add->Memo2.SetText(recipe.burn);
    }
    static std::vector<std::wstring> Entries(const ui::ListBox& list)
    {
        std::vector<std::wstring> entries;
        for (int i = 0; i < list.Count(); ++i)
            entries.push_back(list.Item(i));
        return entries;
    }
    std::vector<std::wstring> Texts() const
    {
        std::vector<std::wstring> texts;
        for (const auto& message : dialogs.messages)
            texts.push_back(message.text);
        return texts;
    }

    // As the user pastes with Ctrl+V: the text is on the clipboard and the field takes WM_PASTE.
    void Paste(const ui::Control& field, const std::wstring& text)
    {
        ASSERT_TRUE(OpenClipboard(add->Handle()));
        EmptyClipboard();
        const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        SendMessageW(field.Handle(), WM_PASTE, 0, 0);
    }

    // As the user opens a list's context menu with the right mouse button.
    void RightClick(ui::ListBox& list)
    {
        RECT r;
        GetWindowRect(list.Handle(), &r);
        SendMessageW(list.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Handle()), MAKELPARAM(r.left + 5, r.top + 5));
    }

    test_support::ScriptedMenus menus;
    test_support::FakeKeyboardLayouts layouts{test_support::kBulgarian};
};

TEST_F(OwnRecipeWindowsTest, CreatingTheAddWindowActivatesUsEnglishAndAnAddIsRefusedUntilTheUserSwitches)
{
    Open(kThree);
    ASSERT_EQ(layouts.Current(), test_support::kUsEnglish);
    add->Show();
    Type({L"Кекс", L"брашно", L"Пече се."});

    add->Image3Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, personal::kChangeLanguage);
    EXPECT_EQ(dialogs.messages[0].caption, L"Information");
    EXPECT_EQ(dialogs.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    ASSERT_EQ(dialogs.messages[0].buttons.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].buttons[0].text, L"OK");
    EXPECT_EQ(StoredRecipes(), kThree);

    SwitchTo(test_support::kBulgarian);
    EXPECT_EQ(add->CurrentLanguages1.LayoutID(), "0402");
    add->Image3Click();
    EXPECT_EQ(StoredRecipes().back(), (MyRecipe{L"Кекс", L"брашно", L"Пече се."}));
}

TEST_F(OwnRecipeWindowsTest, EmptyFieldsAreReportedInTheirOrderAndNothingIsStored)
{
    Open(kThree);
    add->Show();
    SwitchTo(test_support::kBulgarian);
    const struct {
        MyRecipe typed;
        std::wstring_view message;
    } cases[] = {
        {{L"", L"", L""}, personal::kEnterName},
        {{L"", L"брашно", L"Пече се."}, personal::kEnterName},
        {{L"Кекс", L"", L""}, personal::kEnterProducts},
        {{L"Кекс", L"брашно", L""}, personal::kEnterMethod},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        Type(c.typed);
        add->Image3Click();
        EXPECT_EQ(Texts(), (std::vector<std::wstring>{std::wstring(c.message)})) << base::Narrow(c.typed.name);
        EXPECT_EQ(add->Edit1.Text(), c.typed.name);
    }
    EXPECT_EQ(StoredRecipes(), kThree);
}

TEST_F(OwnRecipeWindowsTest, NamesAreStoredUnlessTypedExactlyAsAStoredOne)
{
    Open(kThree);
    const struct {
        MyRecipe typed;
        bool stored;
    } cases[] = {
        {{L" ", L"а", L"б"}, true},
        {{L"таратор", L"а", L"б"}, true},
        {{L"Таратор ", L"а", L"б"}, true},
        {{L"Таратор", L"а", L"б"}, false},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        add->Show();
        SwitchTo(test_support::kBulgarian);
        Type(c.typed);
        const auto before = StoredRecipes();
        add->Image3Click();
        if (c.stored) {
            EXPECT_EQ(StoredRecipes().back(), c.typed) << base::Narrow(c.typed.name);
            EXPECT_EQ(Texts(), (std::vector<std::wstring>{std::wstring(personal::kAdded)}));
        } else {
            EXPECT_EQ(StoredRecipes(), before);
            EXPECT_EQ(Texts(), (std::vector<std::wstring>{std::wstring(personal::kNameTaken)}));
            EXPECT_EQ(dialogs.messages[0].caption, L"Велмора XP");
            EXPECT_EQ(dialogs.messages[0].style, static_cast<UINT>(MB_OK));
            EXPECT_TRUE(add->Visible());
            EXPECT_EQ(add->Memo1.Text(), c.typed.products);
        }
    }
}

// Text as long as asked, in words and lines as recipes are written.
std::wstring LongText(std::size_t length)
{
    std::wstring text;
    for (int word = 0; text.size() < length; ++word)
        text += word % 10 == 9 ? L"бъркай\r\n" : L"бъркай ";
    text.resize(length);
    return text;
}

TEST_F(OwnRecipeWindowsTest, TextBeyondAFieldsLimitIsToldAtOnceAndTheAddStoresWhatTheFieldsShow)
{
    Open(kThree);
    add->Show();
    SwitchTo(test_support::kBulgarian);
    const std::wstring method = LongText(1'000'000);
    const struct {
        const char* name;
        ui::Control& field;
        std::wstring pasted;
        std::size_t limit;
        std::wstring_view told;
        std::wstring_view hintSays;
    } cases[] = {
        {"name", add->Edit1, std::wstring(1'000'000, L'б'), 100, personal::kNameFull, L"до 50 знака"},
        {"products", add->Memo1, LongText(1'000'000), 100000, personal::kProductsFull, L"до 100 000 знака"},
        {"method", add->Memo2, method, 100000, personal::kMethodFull, L"до 100 000 знака"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(add->Hints.HintOf(c.field.Handle()).find(c.hintSays), std::wstring::npos);
        const std::wstring fits = c.pasted.substr(0, c.limit);
        c.field.SetText(L"");
        dialogs.messages.clear();
        Paste(c.field, fits);
        EXPECT_TRUE(dialogs.messages.empty()) << "a text that fits is not told";
        EXPECT_EQ(c.field.Text(), fits);

        c.field.SetText(L"");
        Paste(c.field, c.pasted);
        EXPECT_EQ(Texts(), (std::vector<std::wstring>{std::wstring(c.told)}));
        EXPECT_EQ(dialogs.messages[0].caption, L"Information");
        EXPECT_EQ(c.field.Text(), fits);

        SendMessageW(c.field.Handle(), WM_CHAR, L'в', 1);
        EXPECT_EQ(Texts(), (std::vector<std::wstring>(2, std::wstring(c.told)))) << "typing into a full field";
        EXPECT_EQ(c.field.Text(), fits);
    }

    add->Edit1.SetText(L"Дълга");
    dialogs.messages.clear();
    add->Image3Click();
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{std::wstring(personal::kAdded)}));
    const std::wstring stored = method.substr(0, 100000);
    EXPECT_EQ(StoredRecipes().back(), (MyRecipe{L"Дълга", stored, stored}));
}

TEST_F(OwnRecipeWindowsTest, ASuccessfulAddClosesTheAddWindowAndListsTheRecipeInTheMyRecipesWindow)
{
    Open(kThree);
    add->Show();
    SwitchTo(test_support::kBulgarian);
    Type({L"Кекс", L"брашно", L"Пече се."});
    add->Image3Click();

    EXPECT_EQ(Texts(), (std::vector<std::wstring>{std::wstring(personal::kAdded)}));
    EXPECT_EQ(Entries(add->ListBox1), (std::vector<std::wstring>{L"Баница", L"Таратор", L"Мусака", L"Кекс"}));
    EXPECT_FALSE(add->Visible());
    EXPECT_TRUE(mine->Visible());
    EXPECT_EQ(Entries(mine->ListBox1), (std::vector<std::wstring>{L"Баница", L"Таратор", L"Мусака", L"Кекс"}));
    EXPECT_EQ(mine->StatusBar.PanelText(TForm5::kCountPanel), L"Моите Рецепти: 4 Рецепти");
}

// The add-recipe window shown modally from the main window, where the user types a recipe and adds it.
TEST_F(OwnRecipeWindowsTest, AnAddListsTheRecipeInTheMyRecipesWindowWithTheFocusOnTheListOpenOrNot)
{
    for (const bool openBefore : {false, true}) {
        SCOPED_TRACE(openBefore ? "the my-recipes window open before" : "the my-recipes window closed before");
        // The program's first window, as the main window is.
        ui::Form main({.caption = L"Велмора XP"});
        Open({kThree[0]});
        main.Show();
        SetForegroundWindow(main.Handle());
        if (openBefore)
            mine->Show();
        ASSERT_EQ(mine->StatusBar.PanelText(TForm5::kCountPanel), openBefore ? L"Моите Рецепти: 1 Рецепти" : L"");
        SwitchTo(test_support::kBulgarian);
        add->StartTimer(1, 10, [this] {
            add->StopTimer(1);
            Type(kThree[1]);
            add->Image3Click();
        });
        add->ShowModal();

        EXPECT_EQ(Entries(mine->ListBox1), (std::vector<std::wstring>{L"Баница", L"Таратор"}));
        EXPECT_EQ(mine->StatusBar.PanelText(TForm5::kCountPanel), L"Моите Рецепти: 2 Рецепти");
        EXPECT_EQ(GetActiveWindow(), mine->Handle());
        EXPECT_EQ(GetFocus(), mine->ListBox1.Handle()) << "no control of the my-recipes window has the focus";
        CloseOwnRecipes();
    }
}

TEST_F(OwnRecipeWindowsTest, TheMyRecipesWindowListsCountsAndShowsTheRecipeAtTheSelectedPlace)
{
    Open({kThree[0], {L"Таратор", L"първи", L"първи"}, {L"Таратор", L"втори", L"втори"}});
    mine->Show();
    EXPECT_EQ(Entries(mine->ListBox1), (std::vector<std::wstring>{L"Баница", L"Таратор", L"Таратор"}));
    EXPECT_EQ(mine->StatusBar.PanelText(TForm5::kCountPanel), L"Моите Рецепти: 3 Рецепти");
    EXPECT_EQ(mine->ListBox1.SelectedIndex(), -1);
    EXPECT_EQ(mine->DBMemo1.Text(), L"");

    for (const int index : {2, 0}) {
        mine->ListBox1.Select(index);
        mine->ListBox1Click();
        EXPECT_EQ(mine->DBMemo1.Text(), index == 2 ? L"втори" : L"кори\r\nсирене");
    }
}

TEST_F(OwnRecipeWindowsTest, TheViewsOfBothWindowsTakeTheColourTheyAreCreatedWith)
{
    Open(kThree);
    const std::vector<const ui::Control*> views{&add->Edit1, &add->Memo1, &add->Memo2, &add->ListBox1,
                                                &mine->ListBox1, &mine->DBMemo1, &mine->DBMemo2};
    for (const ui::Control* view : views)
        EXPECT_EQ(view->BackgroundColor(), kViewColor) << GetDlgCtrlID(view->Handle());
}

TEST_F(OwnRecipeWindowsTest, EveryIngredientLineOfALongListCanBeScrolledInto)
{
    const std::wstring products = test_support::IngredientLines(19);
    Open({{L"Беф бургиньон", products, L"Задушава се."}});
    mine->Show();
    mine->ListBox1.Select(0);
    mine->ListBox1Click();
    ASSERT_EQ(mine->DBMemo1.Text(), products);
    EXPECT_TRUE(GetWindowLongW(mine->DBMemo1.Handle(), GWL_STYLE) & WS_VSCROLL) << "no sign that more lines follow";
    EXPECT_GT(test_support::FirstLineShownAtTheEnd(mine->DBMemo1.Handle()), 0) << "the last lines cannot be reached";
}

enum class Remover { AddWindow, MyRecipesWindow };

class RemoveTest : public OwnRecipeWindowsTest, public ::testing::WithParamInterface<Remover> {
protected:
    ui::ListBox& ListOf(Remover remover) { return remover == Remover::AddWindow ? add->ListBox1 : mine->ListBox1; }
    void Remove(Remover remover, int index)
    {
        ListOf(remover).Select(index);
        if (remover == Remover::AddWindow) {
            add->N1Click();
        } else {
            mine->ListBox1Click();
            mine->N1Click();
        }
    }
    static Remover Other(Remover remover)
    {
        return remover == Remover::AddWindow ? Remover::MyRecipesWindow : Remover::AddWindow;
    }
};

TEST_P(RemoveTest, RemovingTheSecondEntryRemovesItFromBothListsAndItsRowFromTheFile)
{
    Open(kThree);
    add->Show();
    mine->Show();
    dialogs.messageAnswers = {IDYES};
    Remove(GetParam(), 1);

    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, personal::kDeleteQuestion);
    EXPECT_EQ(dialogs.messages[0].caption, L"Information");
    EXPECT_EQ(dialogs.messages[0].style, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
    ASSERT_EQ(dialogs.messages[0].buttons.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].buttons[0].text, L"&Yes");
    EXPECT_EQ(dialogs.messages[0].buttons[1].text, L"&No");
    EXPECT_EQ(dialogs.messages[1].text, personal::kDeleted);
    EXPECT_EQ(dialogs.messages[1].caption, L"Велмора XP");
    const std::vector<std::wstring> left{L"Баница", L"Мусака"};
    EXPECT_EQ(Entries(add->ListBox1), left);
    EXPECT_EQ(Entries(mine->ListBox1), left);
    EXPECT_EQ(StoredRecipes(), (std::vector<MyRecipe>{kThree[0], kThree[2]}));
    EXPECT_EQ(ListOf(GetParam()).SelectedIndex(), -1);
}

TEST_P(RemoveTest, AfterARemovalInTheOtherWindowTheSameEntryNamesTheSameRow)
{
    Open({kThree[0], kThree[1], kThree[2], {L"Кекс", L"брашно", L"Пече се."}});
    add->Show();
    mine->Show();
    dialogs.messageAnswers = {IDYES, IDOK, IDYES};
    Remove(Other(GetParam()), 0);
    Remove(GetParam(), 1);

    EXPECT_EQ(StoredRecipes(), (std::vector<MyRecipe>{kThree[1], {L"Кекс", L"брашно", L"Пече се."}}));
    EXPECT_EQ(Entries(add->ListBox1), (std::vector<std::wstring>{L"Таратор", L"Кекс"}));
    EXPECT_EQ(Entries(mine->ListBox1), (std::vector<std::wstring>{L"Таратор", L"Кекс"}));
    EXPECT_TRUE(Errors().empty());
}

TEST_P(RemoveTest, AfterARemovalTheCountIsTheNewOneAndNoRecipeIsShownWhenNoneIsSelected)
{
    Open({kThree[0], kThree[1]});
    add->Show();
    mine->Show();
    mine->ListBox1.Select(1);
    mine->ListBox1Click();
    ASSERT_EQ(mine->DBMemo1.Text(), L"краставици");
    dialogs.messageAnswers = {IDYES};
    Remove(GetParam(), 1);

    EXPECT_EQ(mine->StatusBar.PanelText(TForm5::kCountPanel), L"Моите Рецепти: 1 Рецепти");
    EXPECT_EQ(mine->ListBox1.SelectedIndex(), -1);
    EXPECT_EQ(mine->DBMemo1.Text(), L"");
    EXPECT_EQ(mine->DBMemo2.Text(), L"");
}

TEST_F(OwnRecipeWindowsTest, ARecipeStillSelectedAfterARemovalInTheAddWindowIsStillTheOneShown)
{
    Open(kThree);
    add->Show();
    mine->Show();
    mine->ListBox1.Select(2);
    mine->ListBox1Click();
    dialogs.messageAnswers = {IDYES};
    add->ListBox1.Select(0);
    add->N1Click();

    EXPECT_EQ(mine->StatusBar.PanelText(TForm5::kCountPanel), L"Моите Рецепти: 2 Рецепти");
    ASSERT_EQ(mine->ListBox1.SelectedIndex(), 1);
    EXPECT_EQ(mine->ListBox1.Item(1), L"Мусака");
    EXPECT_EQ(mine->DBMemo1.Text(), L"картофи");
}

TEST_P(RemoveTest, NoAnswerOrNoSelectionDeletesNothing)
{
    Open(kThree);
    add->Show();
    mine->Show();
    dialogs.messageAnswers = {IDNO};
    Remove(GetParam(), 1);
    ListOf(GetParam()).Select(-1);
    dialogs.messageAnswers = {IDYES};
    if (GetParam() == Remover::AddWindow)
        add->N1Click();
    else
        mine->N1Click();

    EXPECT_EQ(Texts(), (std::vector<std::wstring>(2, std::wstring(personal::kDeleteQuestion))));
    EXPECT_EQ(StoredRecipes(), kThree);
    EXPECT_EQ(ListOf(Other(GetParam())).Count(), 3);
}

INSTANTIATE_TEST_SUITE_P(FromEitherWindow, RemoveTest, ::testing::Values(Remover::AddWindow, Remover::MyRecipesWindow));

TEST_F(OwnRecipeWindowsTest, ChangePutsTheSelectedNameIntoTheNameFieldAndAnAddThenReportsTheDuplicate)
{
    Open(kThree);
    add->Show();
    SwitchTo(test_support::kBulgarian);
    add->Memo1.SetText(L"а");
    add->Memo2.SetText(L"б");
    add->ListBox1.Select(2);
    menus.choices = {L"Промени Рецептата"};
    RightClick(add->ListBox1);
    EXPECT_EQ(add->Edit1.Text(), L"Мусака");
    EXPECT_EQ(add->Memo1.Text(), L"а");
    add->Image3Click();
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{std::wstring(personal::kNameTaken)}));
    EXPECT_EQ(StoredRecipes(), kThree);
}

TEST_F(OwnRecipeWindowsTest, ALongNameInTheAddWindowsListCanBeScrolledToItsEnd)
{
    const std::wstring longName = L"Телешко задушено с гъби, моркови и бяло вино";
    Open({kThree[0], {longName, L"телешко", L"Задушава се."}});
    add->Show();
    RECT client;
    GetClientRect(add->ListBox1.Handle(), &client);
    EXPECT_TRUE(GetWindowLongW(add->ListBox1.Handle(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_GT(SendMessageW(add->ListBox1.Handle(), LB_GETHORIZONTALEXTENT, 0, 0), client.right);
}

TEST_F(OwnRecipeWindowsTest, TheMyRecipesWindowShowsOverTheMiddleOfTheMainWindowWhereverItIs)
{
    ui::Form main({.caption = L"Велмора XP", .clientWidth = 762, .clientHeight = 508});
    Open(kThree);
    const auto middle = [](HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    for (const POINT at : {POINT{0, 0}, POINT{200, 150}}) {
        SetWindowPos(main.Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        main.Show();
        mine->Show();
        const POINT over = middle(main.Handle());
        const POINT own = middle(mine->Handle());
        EXPECT_NEAR(own.x, over.x, 1) << "main window at " << at.x << "," << at.y;
        EXPECT_NEAR(own.y, over.y, 1) << "main window at " << at.x << "," << at.y;
        mine->Hide();
    }
}

TEST_F(OwnRecipeWindowsTest, ContextMenusListTheirItemsWithPicturesInOrder)
{
    Open(kThree);
    add->Show();
    mine->Show();
    RightClick(add->ListBox1);
    RightClick(mine->ListBox1);
    ASSERT_EQ(menus.shown.size(), 2u);
    EXPECT_EQ(test_support::ScriptedMenus::Describe(add->PopupMenu1.Handle(), &add->ImageList1),
              (std::vector<std::string>{"Премахни Рецептата [picture 1]", "---", "Промени Рецептата [picture 0]"}));
    EXPECT_EQ(test_support::ScriptedMenus::Describe(mine->PopupMenu1.Handle(), &mine->ImageList1),
              (std::vector<std::string>{"Премахни Рецептата [picture 2]", "---", "Промени Рецептата [picture 0]", "---",
                                        "Добави Рецепта [picture 3]",
                                        // The recipe commands follow the window's own items.
                                        "---", "Печат…\tCtrl+P", "Запиши рецептата…", "Копирай рецептата\tCtrl+Shift+C", "---",
                                        "Запази копие на Моите Рецепти…", "Възстанови от копие…"}));
}

TEST_F(OwnRecipeWindowsTest, RemoveAndChangeAreEnabledByTheRowsCountedBeforeAShowingReadsTheTable)
{
    Open({});
    add->Show();
    EXPECT_FALSE(add->PopupMenu1.Enabled(TForm4::kN1));
    EXPECT_FALSE(add->PopupMenu1.Enabled(TForm4::kN2));
    SwitchTo(test_support::kBulgarian);
    Type({L"Кекс", L"брашно", L"Пече се."});
    add->Image3Click();
    // The my-recipes window counted its rows before reading the new one.
    ASSERT_TRUE(mine->Visible());
    EXPECT_FALSE(mine->PopupMenu1.Enabled(TForm5::kN1));
    EXPECT_FALSE(mine->PopupMenu1.Enabled(TForm5::kN2));
    EXPECT_TRUE(mine->PopupMenu1.Enabled(TForm5::kN3));

    mine->Hide();
    mine->Show();
    add->Show();
    EXPECT_TRUE(mine->PopupMenu1.Enabled(TForm5::kN1));
    EXPECT_TRUE(mine->PopupMenu1.Enabled(TForm5::kN2));
    EXPECT_TRUE(add->PopupMenu1.Enabled(TForm4::kN1));
    EXPECT_TRUE(add->PopupMenu1.Enabled(TForm4::kN2));
}

TEST_F(OwnRecipeWindowsTest, TheAddItemClosesTheMyRecipesWindowAndShowsTheAddWindowEmptied)
{
    Open(kThree);
    add->Edit1.SetText(L"стар текст");
    mine->Show();
    menus.choices = {L"Добави Рецепта"};
    RightClick(mine->ListBox1);
    EXPECT_FALSE(mine->Visible());
    EXPECT_TRUE(add->Visible());
    EXPECT_EQ(add->Edit1.Text(), L"");
    EXPECT_EQ(Entries(add->ListBox1), (std::vector<std::wstring>{L"Баница", L"Таратор", L"Мусака"}));
}

}  // namespace
