// The main window moved to a screen of another scale: it takes the place the system suggests and
// its controls, fonts, status-bar panels and menu pictures grow or shrink with the scale; so do
// the columns of the search window's list.
#include "app/pelnor.h"
#include "support/main_window_fixture.h"
#include "support/scripted_menus.h"

#include "catalogue/searchall.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

class DpiChangeTest : public test_support::MainWindowFixture {
protected:
    void SetUp() override
    {
        OpenMainWindow({{.name = L"Супи", .rows = {{L"Супа от печени червени чушки, домати, чесън и магданоз с крутони", L"чушки", L"Пекат се."}}}});
    }

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

    void MoveToScreenOf(HWND window, int dpi)
    {
        // Within the 1024 x 768 screen of Wine without a display, which would cut a larger window down.
        RECT suggested{10, 10, 10 + 1000, 10 + 740};
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }

    std::vector<int> PanelEdges()
    {
        const HWND bar = Form().StatusBar.Handle();
        std::vector<int> edges(static_cast<std::size_t>(SendMessageW(bar, SB_GETPARTS, 0, 0)));
        SendMessageW(bar, SB_GETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        return edges;
    }
};

TEST_F(DpiChangeTest, TheWindowTakesTheSuggestedPlaceAndScalesItsControlsAndFonts)
{
    ASSERT_EQ(ui::DpiOf(Form().Handle()), 96) << "the test starts from a 96 dpi screen";
    const HWND list = Form().ListBox1.Handle();
    const RECT before = BoundsInParent(list);
    const int listFont = FontHeight(list);
    const int labelFont = FontHeight(Form().Label1.Handle());

    MoveToScreenOf(Form().Handle(), 144);

    RECT suggested{10, 10, 10 + 1000, 10 + 740};
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

TEST_F(DpiChangeTest, StatusBarPanelsAndMenuPicturesFollowTheScale)
{
    using test_support::ScriptedMenus;
    const auto edges = PanelEdges();
    ASSERT_EQ(edges.size(), 3u);
    const auto menu = ScriptedMenus::Describe(Form().MenuBar(), &Form().ImageList1, 96);
    const auto widths = ScriptedMenus::PictureWidths(Form().MenuBar());
    ASSERT_FALSE(widths.empty());

    MoveToScreenOf(Form().Handle(), 144);

    std::vector<int> scaledEdges;
    for (int edge : edges)
        scaledEdges.push_back(edge < 0 ? edge : MulDiv(edge, 144, 96));
    EXPECT_EQ(PanelEdges(), scaledEdges);
    EXPECT_EQ(ScriptedMenus::Describe(Form().MenuBar(), &Form().ImageList1, 144), menu) << "the same pictures, at 144 dpi";
    EXPECT_EQ(ScriptedMenus::PictureWidths(Form().MenuBar()), std::vector<int>(widths.size(), 24));

    MoveToScreenOf(Form().Handle(), 96);
    EXPECT_EQ(PanelEdges(), edges);
    EXPECT_EQ(ScriptedMenus::Describe(Form().MenuBar(), &Form().ImageList1, 96), menu);
    EXPECT_EQ(ScriptedMenus::PictureWidths(Form().MenuBar()), widths);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(DpiChangeTest, TheSearchListsColumnsFollowTheScale)
{
    RunCommand(L"SearchAll");
    TForm7& search = *Form().SearchForm();
    const HWND list = search.ListView1.Handle();
    const auto widths = [list] {
        std::vector<int> all;
        const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
        for (int column = 0; column < static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)); ++column)
            all.push_back(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)));
        return all;
    };
    const auto before = widths();
    ASSERT_FALSE(before.empty());

    MoveToScreenOf(search.Handle(), 192);

    std::vector<int> doubled;
    for (int width : before)
        doubled.push_back(2 * width);
    EXPECT_EQ(widths(), doubled);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(DpiChangeTest, TheRecipeListMeasuresItsNamesAgainInTheScaledFont)
{
    RunCommand(L"Supi");
    const HWND list = Form().ListBox1.Handle();
    const auto extent = SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0);
    ASSERT_GT(extent, 0) << "the long name is measured";

    MoveToScreenOf(Form().Handle(), 144);

    const auto scaled = SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0);
    EXPECT_NEAR(static_cast<double>(scaled), extent * 1.5, extent * 0.1) << "the name's width in the larger font";
    EXPECT_GE(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), -FontHeight(list)) << "the entries are cut";
    EXPECT_TRUE(Errors().empty());
}

}
