// The main window moved to a screen of another scale: it takes the place the system suggests and
// its controls, fonts, status-bar panels and menu pictures grow or shrink with the scale; so do
// the columns of the search window's list.
#include "app/pelnor.h"
#include "support/main_window_fixture.h"

#include "catalogue/searchall.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

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

    // Every item of the menu bar that shows a picture, with the picture's width and its place in the
    // picture list at `dpi`, or -1 when it is none of the list's pictures at that dpi.
    void CollectPictures(HMENU menu, int dpi, std::vector<std::pair<int, int>>& pictures)
    {
        for (int position = 0; position < GetMenuItemCount(menu); ++position) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_BITMAP | MIIM_SUBMENU;
            GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
            if (info.hbmpItem) {
                BITMAP picture{};
                GetObjectW(info.hbmpItem, sizeof picture, &picture);
                int index = -1;
                for (int i = 0; i < Form().ImageList1.Count(); ++i) {
                    if (Form().ImageList1.MenuBitmap(i, dpi) == info.hbmpItem)
                        index = i;
                }
                pictures.emplace_back(picture.bmWidth, index);
            }
            if (info.hSubMenu)
                CollectPictures(info.hSubMenu, dpi, pictures);
        }
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
    const auto edges = PanelEdges();
    ASSERT_EQ(edges.size(), 3u);
    std::vector<std::pair<int, int>> before;
    CollectPictures(Form().MenuBar(), 96, before);
    ASSERT_FALSE(before.empty());

    MoveToScreenOf(Form().Handle(), 144);

    std::vector<int> scaledEdges;
    for (int edge : edges)
        scaledEdges.push_back(edge < 0 ? edge : MulDiv(edge, 144, 96));
    EXPECT_EQ(PanelEdges(), scaledEdges);
    std::vector<std::pair<int, int>> after;
    CollectPictures(Form().MenuBar(), 144, after);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t item = 0; item < after.size(); ++item) {
        SCOPED_TRACE(item);
        EXPECT_EQ(after[item].first, 24) << "a picture at the menus' height on the new screen";
        EXPECT_EQ(after[item].second, before[item].second) << "the same picture";
    }

    MoveToScreenOf(Form().Handle(), 96);
    EXPECT_EQ(PanelEdges(), edges);
    std::vector<std::pair<int, int>> back;
    CollectPictures(Form().MenuBar(), 96, back);
    EXPECT_EQ(back, before);
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

}
