// Popup menus built from a table of items: their shape, the chosen item's action, the default item.
#include "resource_ids.h"
#include "support/app_fixture.h"
#include "support/scripted_menus.h"
#include "ui/commands.h"
#include "ui/popup_menu.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ui::MenuItem;
using Lines = std::vector<std::string>;

class PopupMenuTest : public test_support::AppTest {
protected:
    PopupMenuTest()
    {
        app.SetMenuTracker(menus);
        ui::Command& readme = commands.Add({.name = L"Readme", .caption = L"Readme", .imageIndex = 17,
                                            .onExecute = [this] { ran.push_back("Readme"); }});
        items = {
            MenuItem::Submenu(L"Help", 23, {MenuItem::Of(readme), Action(L"Инфо", 15)}),
            MenuItem::Submenu(L"Опции", 24, {Action(L"Покажи", 21), Action(L"Минимизирай", 22)}),
            MenuItem::Separator(),
            Action(L"Изход", 8),
        };
    }

    MenuItem Action(const wchar_t* caption, int picture)
    {
        return MenuItem::Action(caption, picture, [this, caption] { ran.push_back(base::Narrow(caption)); });
    }

    test_support::ScriptedMenus menus;
    ui::MenuPictures pictures{IDB_MENU_PICTURES};
    ui::CommandSet commands;
    std::vector<MenuItem> items;
    std::vector<std::string> ran;
};

TEST_F(PopupMenuTest, ShowsTheTableAsCaptionsWithPicturesSubmenusAndSeparators)
{
    items[3].isDefault = true;
    ui::PopupMenu menu({.items = items, .pictures = &pictures});

    EXPECT_EQ(test_support::ScriptedMenus::Describe(menu.Handle(), &pictures),
              (Lines{"Help [picture 23]", "  Readme [picture 17]", "  Инфо [picture 15]", "Опции [picture 24]",
                     "  Покажи [picture 21]", "  Минимизирай [picture 22]", "---", "Изход [picture 8] (default)"}));
}

TEST_F(PopupMenuTest, WithoutPicturesItemsKeepTheirCaptions)
{
    ui::PopupMenu menu({.items = items});

    EXPECT_EQ(test_support::ScriptedMenus::Describe(menu.Handle()),
              (Lines{"Help", "  Readme", "  Инфо", "Опции", "  Покажи", "  Минимизирай", "---", "Изход"}));
}

TEST_F(PopupMenuTest, RunsTheChosenItemOnceTheMenuHasClosed)
{
    ui::PopupMenu menu({.items = items, .pictures = &pictures});
    menus.whileOpen = [this] { ran.push_back("open"); };
    menus.choices = {L"Минимизирай", L"Readme", L"", L"Изход"};
    const HWND owner = app.Handle();

    for (int time = 0; time < 4; ++time)
        menu.Popup(owner, {40 + time, 50});

    EXPECT_EQ(ran, (Lines{"open", "Минимизирай", "open", "Readme", "open", "open", "Изход"}));
    ASSERT_EQ(menus.shown.size(), 4u);
    EXPECT_EQ(menus.shown[3].owner, owner);
    EXPECT_EQ(menus.shown[3].at.x, 43);
    EXPECT_EQ(menus.shown[3].at.y, 50);
}

TEST_F(PopupMenuTest, ClickRunsAnItemByItsIdAndRefusesOthers)
{
    ui::PopupMenu menu({.items = items});

    EXPECT_TRUE(menu.Click(test_support::ScriptedMenus::FindId(menu.Handle(), L"Инфо")));
    EXPECT_TRUE(menu.Click(commands.Get(L"Readme").id));
    EXPECT_FALSE(menu.Click(0));
    EXPECT_FALSE(menu.Click(12345));
    EXPECT_EQ(ran, (Lines{"Инфо", "Readme"}));
}

TEST_F(PopupMenuTest, ACommandChosenWhileTheProgramStartsDoesNotRunButOtherItemsDo)
{
    ui::PopupMenu menu({.items = items});
    menus.choices = {L"Readme", L"Инфо"};
    app.SetStarting(true);
    menu.Popup(app.Handle(), {40, 50});
    menu.Popup(app.Handle(), {40, 50});
    EXPECT_TRUE(commands.Execute(commands.Get(L"Readme").id));
    EXPECT_EQ(ran, (Lines{"Инфо"}));

    app.SetStarting(false);
    menus.choices = {L"Readme"};
    menu.Popup(app.Handle(), {40, 50});
    EXPECT_EQ(ran, (Lines{"Инфо", "Readme"}));
}

TEST_F(PopupMenuTest, TheDefaultItemIsTheFirstTopLevelOneMarked)
{
    struct Case {
        const char* name;
        std::vector<int> marked;  // positions of top-level items marked default
        bool markNested;
        Lines expected;
    };
    const Case cases[] = {
        {"none", {}, false, {}},
        {"only a nested one", {}, true, {}},
        {"the last", {3}, true, {"Изход"}},
        {"two marked", {1, 3}, false, {}},  // the first marked is a submenu: it has no action of its own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto table = items;
        for (int position : c.marked)
            table[position].isDefault = true;
        table[0].items[1].isDefault = c.markNested;
        ui::PopupMenu menu({.items = table});
        ran.clear();

        EXPECT_EQ(menu.ClickDefaultItem(), !c.marked.empty());
        EXPECT_EQ(ran, c.expected);
    }
}

}
