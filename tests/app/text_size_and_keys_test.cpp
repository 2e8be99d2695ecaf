// The main window's keys and text size: Ctrl+F, F3 and Ctrl+Shift+F each run their own command;
// the zoom keys, menu commands and Ctrl with the wheel step the recipe list's and views' text
// through its sizes, within bounds, and the size chosen comes back after a restart.
#include "app/pelnor.h"
#include "app/text_zoom.h"
#include "catalogue/searchall.h"
#include "support/keyboard.h"
#include "support/main_window_fixture.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using test_support::PressKey;
using base::Narrow;

TEST(TextZoomSteps, GoUpAndDownThroughTheStepsAndStopAtTheEnds)
{
    const struct {
        int height, larger, smaller;
    } cases[] = {
        {-11, -13, -9},   // the standard size
        {-9, -11, -9},    // the smallest stays
        {-32, -32, -27},  // the largest stays
        {-14, -16, -13},  // between two steps (a hand-edited file): to the neighbouring steps
        {16, -19, -13},   // a cell height counts by its magnitude
        {-6, -9, -6},     // below the steps: up to the smallest, not further down
        {-40, -40, -32},  // above the steps: down to the largest, not further up
    };
    for (const auto& c : cases) {
        EXPECT_EQ(app::LargerTextHeight(c.height), c.larger) << c.height;
        EXPECT_EQ(app::SmallerTextHeight(c.height), c.smaller) << c.height;
    }
}

TEST(TextZoomSteps, NeighbouringStepsDifferByAtLeastAnEighth)
{
    for (int height = app::kSmallestTextHeight; height != app::kLargestTextHeight; height = app::LargerTextHeight(height)) {
        const int next = app::LargerTextHeight(height);
        ASSERT_LT(next, height) << "the steps stop before the largest size";
        EXPECT_GE(-next * 8, -height * 9) << height << " to " << next;
    }
}

class TextSizeTest : public test_support::MainWindowFixture {
protected:
    void SetUp() override
    {
        OpenMainWindow({{.name = L"Супи", .rows = {}},
                        {.name = L"Пролет",
                         .rows = {{L"Таратор със зелени орехи, чесън, копър и студена изворна вода от планината",
                                   Lines(L"продукт", 40), Lines(L"Разбърква се добре и се оставя.", 80)},
                                  {L"Боб", L"боб", L"Вари се."},
                                  {L"Боб чорба", L"боб", L"Вари се дълго."}}}});
        Show();
    }

    void Show()
    {
        Form().Show();
        SetForegroundWindow(Form().Handle());
        app.ProcessMessages();
    }

    static std::wstring Lines(const std::wstring& line, int count)
    {
        std::wstring text;
        for (int n = 1; n <= count; ++n)
            text += line + L" " + std::to_wstring(n) + L"\r\n";
        return text;
    }

    static int HeightOf(const ui::Control& control)
    {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfHeight;
    }

    // The font heights of ListBox1, DBMemo1 and DBMemo2, which always agree.
    int ViewsHeight()
    {
        const int list = HeightOf(Form().ListBox1);
        EXPECT_EQ(HeightOf(Form().DBMemo1), list);
        EXPECT_EQ(HeightOf(Form().DBMemo2), list);
        return list;
    }

    void Wheel(HWND over, int delta, bool control)
    {
        RECT r;
        GetWindowRect(over, &r);
        SetFocus(Form().ListBox1.Handle());
        const WPARAM keys = control ? MK_CONTROL : 0;
        PostMessageW(GetFocus(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(delta)),
                     MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        app.ProcessMessages();
    }

    std::wstring ReadSetting(const wchar_t* key)
    {
        wchar_t value[64] = {};
        GetPrivateProfileStringW(L"Settings", key, L"<missing>", value, std::size(value), SettingsPath().c_str());
        return value;
    }
};

TEST_F(TextSizeTest, ZoomKeysStepTheListAndViewsAndCtrl0BringsBackTheStandardSize)
{
    const HWND list = Form().ListBox1.Handle();
    ASSERT_EQ(ViewsHeight(), -11);
    const struct {
        const char* keys;
        WPARAM key;
        bool shift;
        int height;
    } steps[] = {
        {"Ctrl+=", VK_OEM_PLUS, false, -13},
        {"Ctrl+Shift+= (the plus of some layouts)", VK_OEM_PLUS, true, -16},
        {"Ctrl with the number pad's plus", VK_ADD, false, -19},
        {"Ctrl+-", VK_OEM_MINUS, false, -16},
        {"Ctrl with the number pad's minus", VK_SUBTRACT, false, -13},
        {"Ctrl+0", '0', false, -11},
        {"Ctrl+-, below the standard", VK_OEM_MINUS, false, -9},
        {"Ctrl with the number pad's 0", VK_NUMPAD0, false, -11},
    };
    for (const auto& step : steps) {
        PressKey(list, step.key, true, step.shift);
        EXPECT_EQ(ViewsHeight(), step.height) << step.keys;
    }
    PressKey(list, VK_OEM_PLUS, false, false);
    EXPECT_EQ(ViewsHeight(), -11) << "the plus key without Ctrl changed the size";
}

TEST_F(TextSizeTest, TheSizeStopsAtTheSmallestAndTheLargest)
{
    for (int press = 0; press < 20; ++press)
        PressKey(Form().DBMemo2.Handle(), VK_OEM_MINUS, true);
    EXPECT_EQ(ViewsHeight(), app::kSmallestTextHeight);
    for (int press = 0; press < 20; ++press)
        PressKey(Form().DBMemo1.Handle(), VK_OEM_PLUS, true);
    EXPECT_EQ(ViewsHeight(), app::kLargestTextHeight);
}

TEST_F(TextSizeTest, TheMenuCommandsStepAsTheKeysDo)
{
    RunCommand(L"ZoomIn");
    RunCommand(L"ZoomIn");
    EXPECT_EQ(ViewsHeight(), -16);
    RunCommand(L"ZoomOut");
    EXPECT_EQ(ViewsHeight(), -13);
}

TEST_F(TextSizeTest, CtrlWithTheWheelOverTheListOrAViewZoomsAndTheWheelAloneDoesNot)
{
    Wheel(Form().DBMemo2.Handle(), WHEEL_DELTA, true);
    EXPECT_EQ(ViewsHeight(), -13) << "a notch forward over the method view";
    Wheel(Form().ListBox1.Handle(), 2 * WHEEL_DELTA, true);
    EXPECT_EQ(ViewsHeight(), -19) << "two notches forward over the list";
    Wheel(Form().DBMemo1.Handle(), -WHEEL_DELTA / 2, true);
    EXPECT_EQ(ViewsHeight(), -19) << "half a notch makes no step";
    Wheel(Form().DBMemo1.Handle(), -WHEEL_DELTA / 2, true);
    EXPECT_EQ(ViewsHeight(), -16) << "the second half completes the notch back";
    Wheel(Form().DBMemo1.Handle(), -WHEEL_DELTA, false);
    EXPECT_EQ(ViewsHeight(), -16) << "the wheel without Ctrl scrolls, it does not zoom";
    Wheel(Form().Label1.Handle(), WHEEL_DELTA, true);
    EXPECT_EQ(ViewsHeight(), -16) << "over a label the text size stays";
}

TEST_F(TextSizeTest, TheChosenSizeIsStoredAtCloseAndComesBackAfterARestart)
{
    PressKey(Form().ListBox1.Handle(), VK_OEM_PLUS, true);
    PressKey(Form().ListBox1.Handle(), VK_OEM_PLUS, true);
    Form().Close();
    EXPECT_EQ(ReadSetting(L"FHeight"), L"-16");
    EXPECT_EQ(ReadSetting(L"FSize"), L"12");
    EXPECT_EQ(ReadSetting(L"FName"), L"MS Sans Serif") << "the face the file always holds";

    ReopenMainWindow();
    Show();
    EXPECT_EQ(ViewsHeight(), -16);
    // The first close ended the message loop: the command goes straight to the window.
    RunCommand(L"ZoomReset");
    Form().Close();
    EXPECT_EQ(ReadSetting(L"FHeight"), L"-11");
    EXPECT_EQ(ReadSetting(L"FSize"), L"8");
}

TEST_F(TextSizeTest, AtTheLargestSizeALongNameAndALongRecipeScroll)
{
    RunCommand(L"Prolet");
    ChooseEntry(0);
    for (int press = 0; press < 10; ++press)
        PressKey(Form().ListBox1.Handle(), VK_OEM_PLUS, true);
    ASSERT_EQ(ViewsHeight(), app::kLargestTextHeight);

    RECT list;
    GetClientRect(Form().ListBox1.Handle(), &list);
    const auto extent = SendMessageW(Form().ListBox1.Handle(), LB_GETHORIZONTALEXTENT, 0, 0);
    EXPECT_GT(extent, list.right) << "the long name is measured in the large font";
    SCROLLINFO bar{.cbSize = sizeof bar, .fMask = SIF_RANGE | SIF_PAGE};
    ASSERT_TRUE(GetScrollInfo(Form().ListBox1.Handle(), SB_HORZ, &bar)) << "the list has no horizontal scroll bar";
    EXPECT_GT(bar.nMax + 1, static_cast<int>(bar.nPage)) << "the rest of the name cannot be scrolled to";
    const auto itemHeight = SendMessageW(Form().ListBox1.Handle(), LB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(itemHeight, -app::kLargestTextHeight) << "the entries are cut";

    for (const bound::DbMemo* view : {&Form().DBMemo1, &Form().DBMemo2})
        EXPECT_GT(test_support::FirstLineShownAtTheEnd(view->Handle()), 0) << "a view does not scroll to its end";
}

TEST_F(TextSizeTest, CtrlFOpensFindF3FindsTheNextMatchAndCtrlShiftFSearchesEverywhere)
{
    RunCommand(L"Prolet");
    const HWND list = Form().ListBox1.Handle();

    PressKey(list, VK_F3);
    ASSERT_NE(Form().FindDialog.Handle(), nullptr) << "F3 with nothing searched for yet asks what to find";
    SendMessageW(Form().FindDialog.Handle(), WM_CLOSE, 0, 0);
    app.ProcessMessages();
    ASSERT_EQ(Form().FindDialog.Handle(), nullptr);

    PressKey(list, 'F', true);
    const HWND dialog = Form().FindDialog.Handle();
    ASSERT_NE(dialog, nullptr) << "Ctrl+F did not open Find";
    EXPECT_EQ(Form().SearchForm(), nullptr) << "Ctrl+F opened the search over everything";
    SetDlgItemTextW(dialog, edt1, L"Боб");
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    EXPECT_EQ(Form().ListBox1.SelectedIndex(), 1);

    PressKey(list, VK_F3);
    EXPECT_EQ(Form().ListBox1.SelectedIndex(), 2) << "F3 goes on to the next match";
    EXPECT_EQ(Narrow(Form().DBMemo2.Text()), "Вари се дълго.");

    PressKey(list, 'F', true, true);
    ASSERT_NE(Form().SearchForm(), nullptr) << "Ctrl+Shift+F did not open the search over everything";
    EXPECT_TRUE(Form().SearchForm()->Visible());
}

}
