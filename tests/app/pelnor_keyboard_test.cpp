// The main window from the keyboard and as a window: focus and tab order, the activation after a
// modal window, the layout after a size change, the owner of its boxes, the count of an empty
// category, and each view loaded once per choice.
#include "app/pelnor.h"
#include "support/keyboard.h"
#include "support/main_window_fixture.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

namespace {

using test_support::PressKey;
using base::Narrow;

class MainWindowKeyboardTest : public test_support::MainWindowFixture {
protected:
    void SetUp() override
    {
        OpenMainWindow({{.name = L"Супи", .rows = {}},
                        {.name = L"Пролет",
                         .rows = {{L"Таратор", L"краставица", L"Разбърква се."}, {L"Боб", L"боб", L"Вари се."}}},
                        {.name = L"Лято", .rows = {}},
                        {.name = L"Podpravki", .rows = {}}});
        Form().Show();
        SetForegroundWindow(Form().Handle());
        app.ProcessMessages();
    }

    std::string Focused() const
    {
        auto& form = const_cast<MainWindowKeyboardTest*>(this)->Form();
        const std::map<HWND, std::string> names{{form.ListBox1.Handle(), "ListBox1"},
                                                {form.DBMemo1.Handle(), "DBMemo1"},
                                                {form.DBMemo2.Handle(), "DBMemo2"},
                                                {form.Handle(), "the window itself"}};
        const auto name = names.find(GetFocus());
        return name == names.end() ? "something else" : name->second;
    }

    static RECT BoundsIn(HWND window, HWND parent)
    {
        RECT r;
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

TEST_F(MainWindowKeyboardTest, TheRecipeListHasTheFocusWhenTheWindowShows)
{
    EXPECT_EQ(GetActiveWindow(), Form().Handle());
    EXPECT_EQ(Focused(), "ListBox1");
}

TEST_F(MainWindowKeyboardTest, AfterACategoryTheArrowsChooseRecipesAndTabReachesTheViews)
{
    Form().DBMemo1.SetFocus();
    RunCommand(L"Prolet");
    EXPECT_EQ(Focused(), "ListBox1") << "a category fill hands the focus to the list";

    PressKey(GetFocus(), VK_DOWN);
    EXPECT_EQ(Form().ListBox1.SelectedIndex(), 0);
    EXPECT_EQ(Narrow(Form().DBMemo2.Text()), "Разбърква се.");
    PressKey(GetFocus(), VK_DOWN);
    EXPECT_EQ(Narrow(Form().DBMemo1.Text()), "боб");

    const struct {
        bool shift;
        const char* focused;
    } steps[] = {{false, "DBMemo1"}, {false, "DBMemo2"}, {false, "ListBox1"}, {true, "DBMemo2"}, {true, "DBMemo1"}, {true, "ListBox1"}};
    for (const auto& step : steps) {
        PressKey(GetFocus(), VK_TAB, false, step.shift);
        EXPECT_EQ(Focused(), step.focused) << (step.shift ? "Shift+Tab" : "Tab") << " to " << step.focused;
    }
    EXPECT_EQ(Form().ListBox1.SelectedIndex(), 1) << "moving the focus changed the choice";
}

TEST_F(MainWindowKeyboardTest, EscInTheMainWindowNeitherClosesItNorLosesAView)
{
    for (ui::Control* control : {static_cast<ui::Control*>(&Form().ListBox1), static_cast<ui::Control*>(&Form().DBMemo2)}) {
        control->SetFocus();
        PressKey(GetFocus(), VK_ESCAPE);
    }
    EXPECT_TRUE(Form().Visible());
    EXPECT_TRUE(IsWindow(Form().DBMemo1.Handle()));
    EXPECT_FALSE(app.Terminated());
}

TEST_F(MainWindowKeyboardTest, AfterAModalWindowTheMainWindowIsActiveWithItsFocusBack)
{
    Form().DBMemo2.SetFocus();
    ui::Form modal({.className = L"ModalProbe", .caption = L"Инфо", .clientWidth = 200, .clientHeight = 100, .border = ui::Border::Dialog});
    PostMessageW(modal.Handle(), WM_CLOSE, 0, 0);
    modal.ShowModal();

    EXPECT_FALSE(modal.Visible());
    EXPECT_TRUE(IsWindowEnabled(Form().Handle()));
    EXPECT_EQ(GetActiveWindow(), Form().Handle());
    EXPECT_NE(GetActiveWindow(), app.Handle()) << "the zero-size application window took the activation";
    EXPECT_EQ(Focused(), "DBMemo2");
}

TEST_F(MainWindowKeyboardTest, ShownMaximizedTheStatusBarStaysAtTheBottomAndThePanelFillsTheRest)
{
    for (const int show : {SW_SHOWMAXIMIZED, SW_RESTORE}) {
        SCOPED_TRACE(show == SW_RESTORE ? "restored" : "maximized");
        Form().Show(show);
        RECT client;
        GetClientRect(Form().Handle(), &client);
        if (show == SW_SHOWMAXIMIZED) {
            ASSERT_GT(client.right, 762) << "the window did not grow";
        }
        const RECT status = BoundsIn(Form().StatusBar.Handle(), Form().Handle());
        EXPECT_EQ(status.left, 0);
        EXPECT_EQ(status.right, client.right);
        EXPECT_EQ(status.bottom, client.bottom);
        EXPECT_EQ(status.bottom - status.top, 20);
        const RECT panel = BoundsIn(Form().Panel1.Handle(), Form().Handle());
        EXPECT_EQ(panel.left, 0);
        EXPECT_EQ(panel.top, 0);
        EXPECT_EQ(panel.right, client.right);
        EXPECT_EQ(panel.bottom, status.top);
        const RECT list = BoundsIn(Form().ListBox1.Handle(), Form().Panel1.Handle());
        EXPECT_EQ(list.left, 24);
        EXPECT_EQ(list.top, 40);
    }
}

TEST_F(MainWindowKeyboardTest, TheNoMoreRecipesBoxBelongsToTheMainWindowNotTheFindDialog)
{
    RunCommand(L"Prolet");
    RunCommand(L"Find");
    const HWND find = Form().FindDialog.Handle();
    ASSERT_NE(find, nullptr);
    SetActiveWindow(find);
    ASSERT_EQ(GetActiveWindow(), find);

    // Nothing in the list contains it: the next request reports the end at once.
    Form().FindDialogFind();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(Narrow(dialogs.messages[0].text), "Няма открити други рецепти!!!");
    EXPECT_EQ(dialogs.messages[0].owner, Form().Handle());
}

TEST_F(MainWindowKeyboardTest, AnEmptyCategoryShowsItsOwnCountOfNone)
{
    RunCommand(L"Prolet");
    ASSERT_EQ(Narrow(Form().StatusBar.PanelText(TForm1::kCataloguePanel)), "Сезонна кухня - Пролет: 2 Рецепти");
    RunCommand(L"Liato");
    EXPECT_EQ(Narrow(Form().StatusBar.PanelText(TForm1::kCataloguePanel)), "Сезонна кухня - Лято: 0 Рецепти");
    RunCommand(L"Enciklopedia");
    EXPECT_EQ(Narrow(Form().StatusBar.PanelText(TForm1::kCataloguePanel)), "Енциклопедия на подправките");
}

// Counts the texts handed to a view.
class TextCounter {
public:
    explicit TextCounter(HWND view) : view_(view)
    {
        SetPropW(view_, kProperty, this);
        original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(view_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    }
    ~TextCounter()
    {
        SetWindowLongPtrW(view_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropW(view_, kProperty);
    }
    int count = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = static_cast<TextCounter*>(GetPropW(window, kProperty));
        if (message == WM_SETTEXT)
            ++self->count;
        return CallWindowProcW(self->original_, window, message, wParam, lParam);
    }
    static constexpr wchar_t kProperty[] = L"TextCounter";
    HWND view_;
    WNDPROC original_ = nullptr;
};

TEST_F(MainWindowKeyboardTest, EachChoiceLoadsEachViewOnce)
{
    RunCommand(L"Prolet");
    TextCounter ingredients(Form().DBMemo1.Handle());
    TextCounter method(Form().DBMemo2.Handle());
    for (const int entry : {1, 0, 1}) {
        ingredients.count = method.count = 0;
        ChooseEntry(entry);
        EXPECT_EQ(ingredients.count, 1) << "entry " << entry;
        EXPECT_EQ(method.count, 1) << "entry " << entry;
    }
    EXPECT_EQ(Narrow(Form().DBMemo1.Text()), "боб");
}

}
