// The main window moved to a screen of another scale: it takes the place the system suggests and
// its controls and fonts grow or shrink with the scale.
#include "app/pelnor.h"
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

class DpiChangeTest : public test_support::MainWindowFixture {
protected:
    void SetUp() override { OpenMainWindow({{.name = L"Супи", .rows = {}}}); }

    static RECT BoundsInParent(HWND window)
    {
        RECT r;
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    static int FontHeight(HWND window)
    {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfHeight;
    }
};

TEST_F(DpiChangeTest, TheWindowTakesTheSuggestedPlaceAndScalesItsControlsAndFonts)
{
    ASSERT_EQ(ui::DpiOf(Form().Handle()), 96) << "the test starts from a 96 dpi screen";
    const HWND list = Form().ListBox1.Handle();
    const RECT before = BoundsInParent(list);
    const int listFont = FontHeight(list);
    const int labelFont = FontHeight(Form().Label1.Handle());

    // Within the 1024 x 768 screen of Wine without a display, which would cut a larger window down.
    RECT suggested{10, 10, 10 + 1000, 10 + 740};
    SendMessageW(Form().Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    RECT window;
    GetWindowRect(Form().Handle(), &window);
    EXPECT_TRUE(EqualRect(&window, &suggested)) << window.left << "," << window.top << "-" << window.right << "," << window.bottom;
    const RECT after = BoundsInParent(list);
    EXPECT_NEAR(after.left, before.left * 3 / 2, 1);
    EXPECT_NEAR(after.top, before.top * 3 / 2, 1);
    EXPECT_NEAR(after.right - after.left, (before.right - before.left) * 3 / 2, 1);
    EXPECT_NEAR(after.bottom - after.top, (before.bottom - before.top) * 3 / 2, 1);
    EXPECT_EQ(FontHeight(list), MulDiv(listFont, 144, 96)) << "the views' own font";
    EXPECT_EQ(FontHeight(Form().Label1.Handle()), MulDiv(labelFont, 144, 96)) << "the window's font";
    EXPECT_EQ(FontHeight(Form().DBMemo2.Handle()), FontHeight(list)) << "the views share one font";

    // And back: the sizes return to the first screen's.
    RECT back{40, 30, 40 + 800, 30 + 560};
    SendMessageW(Form().Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
    const RECT again = BoundsInParent(list);
    EXPECT_NEAR(again.right - again.left, before.right - before.left, 1);
    EXPECT_EQ(FontHeight(list), listFont);
    EXPECT_TRUE(Errors().empty());
}

}
