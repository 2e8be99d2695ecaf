// Dialog navigation in every form: focus on the first control, Tab and Shift+Tab through the
// controls in creation order across the containers, Esc, and the activation handed back after a
// modal form.
#include "support/app_fixture.h"
#include "support/keyboard.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picture.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using test_support::PressKey;

// A list and two text views on a picture on a panel, as the main window lays them out, and an
// entry field straight on the form after them.
class SampleForm : public ui::Form {
public:
    explicit SampleForm(const wchar_t* className)
        : ui::Form({.className = className, .caption = L"Проба", .clientWidth = 400, .clientHeight = 300}),
          panel({.parent = Handle(), .bounds = {0, 0, 400, 250}, .inner = ui::Bevel::Lowered}),
          picture({.parent = panel.Handle(), .bounds = {2, 2, 396, 246}}),
          label({.parent = picture.Handle(), .bounds = {10, 0, 100, 12}, .text = L"Име"}),
          list({.parent = picture.Handle(), .bounds = {10, 14, 150, 200}}),
          ingredients({.parent = picture.Handle(), .bounds = {170, 14, 200, 90}}),
          method({.parent = picture.Handle(), .bounds = {170, 110, 200, 100}, .verticalScrollBar = true}),
          entry({.parent = Handle(), .bounds = {10, 260, 200, 20}})
    {
        list.Add(L"Таратор");
        list.Add(L"Боб");
        ingredients.SetContent(L"краставица\nкисело мляко");
        method.SetContent(L"Разбърква се.");
        entry.SetText(L"текст");
    }

    ui::Panel panel;
    ui::Picture picture;
    ui::Label label;
    ui::ListBox list;
    ui::TextView ingredients;
    ui::TextView method;
    ui::Edit entry;
};

class FormNavigationTest : public test_support::AppTest {
protected:
    // The names of the controls, so a failure reads as "method" rather than a handle.
    std::string Focused() const
    {
        const std::map<HWND, std::string> names{{form.list.Handle(), "list"},
                                                {form.ingredients.Handle(), "ingredients"},
                                                {form.method.Handle(), "method"},
                                                {form.entry.Handle(), "entry"},
                                                {form.Handle(), "the form itself"}};
        const auto name = names.find(GetFocus());
        return name == names.end() ? "something else" : name->second;
    }

    void ShowActive()
    {
        form.Show();
        SetForegroundWindow(form.Handle());
        app.ProcessMessages();
    }

    SampleForm form{L"SampleForm"};
};

TEST_F(FormNavigationTest, ShowingTheFormPutsTheFocusOnItsFirstControl)
{
    ShowActive();
    EXPECT_EQ(GetActiveWindow(), form.Handle());
    EXPECT_EQ(Focused(), "list");
}

TEST_F(FormNavigationTest, TabAndShiftTabCycleThroughTheControlsInCreationOrder)
{
    ShowActive();
    ASSERT_EQ(Focused(), "list");
    const struct {
        bool shift;
        const char* focused;
    } steps[] = {
        {false, "ingredients"}, {false, "method"}, {false, "entry"}, {false, "list"},
        {true, "entry"},        {true, "method"},  {true, "ingredients"}, {true, "list"},
    };
    for (const auto& step : steps) {
        PressKey(GetFocus(), VK_TAB, false, step.shift);
        EXPECT_EQ(Focused(), step.focused) << (step.shift ? "Shift+Tab" : "Tab") << " to " << step.focused;
    }
}

TEST_F(FormNavigationTest, TabbingIntoAnEntryFieldSelectsItsText)
{
    ShowActive();
    form.method.SetFocus();
    PressKey(GetFocus(), VK_TAB);
    ASSERT_EQ(Focused(), "entry");
    DWORD start = 0, end = 0;
    SendMessageW(form.entry.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

TEST_F(FormNavigationTest, ArrowKeysStillMoveTheListSelection)
{
    ShowActive();
    ASSERT_EQ(Focused(), "list");
    PressKey(GetFocus(), VK_DOWN);
    EXPECT_EQ(form.list.SelectedIndex(), 0);
    PressKey(GetFocus(), VK_DOWN);
    EXPECT_EQ(form.list.SelectedIndex(), 1);
    EXPECT_EQ(Focused(), "list");
}

TEST_F(FormNavigationTest, EscInAWindowThatIsNotModalChangesNothing)
{
    ShowActive();
    for (ui::Control* control : std::vector<ui::Control*>{&form.list, &form.method, &form.entry}) {
        control->SetFocus();
        PressKey(GetFocus(), VK_ESCAPE);
        EXPECT_TRUE(form.Visible());
        EXPECT_TRUE(IsWindow(form.picture.Handle())) << "the container of the text views is gone";
        EXPECT_FALSE(app.Terminated());
    }
}

TEST_F(FormNavigationTest, EscClosesAModalFormAndTheFocusComesBackToTheControlThatHadIt)
{
    ShowActive();
    SampleForm modal{L"SampleModal"};
    // Esc typed in the list, then in a multi-line text view, which asks its container to close.
    for (ui::Control* typedIn : std::vector<ui::Control*>{&modal.list, &modal.method}) {
        form.method.SetFocus();
        PostMessageW(typedIn->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
        modal.ShowModal();

        EXPECT_FALSE(modal.Visible());
        EXPECT_TRUE(IsWindow(modal.picture.Handle()));
        EXPECT_TRUE(IsWindowEnabled(form.Handle()));
        EXPECT_EQ(GetActiveWindow(), form.Handle()) << "the active window is not the one active before the modal form";
        EXPECT_EQ(Focused(), "method");
    }
}

TEST_F(FormNavigationTest, ShowingAnOpenModalFormAgainChangesNothingAndOneEscClosesIt)
{
    ShowActive();
    form.method.SetFocus();
    SampleForm modal{L"SampleModal"};
    bool closedByTheSecondShowing = false;
    modal.StartTimer(1, 10, [&] {
        modal.StopTimer(1);
        // As the tray menu opens the About box while it is open: the Esc is typed in the box.
        PostMessageW(modal.list.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
        modal.ShowModal();
        closedByTheSecondShowing = !modal.Visible();
    });
    modal.ShowModal();

    EXPECT_FALSE(closedByTheSecondShowing) << "the second showing ran a loop of its own";
    EXPECT_FALSE(modal.Visible());
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
    EXPECT_EQ(GetActiveWindow(), form.Handle());
    EXPECT_EQ(Focused(), "method");
}

}
