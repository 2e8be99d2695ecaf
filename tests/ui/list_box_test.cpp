// The list box's sideways scroll: it reaches the end of the widest entry, however the entries are
// written and in whatever font the list has.
#include "support/app_fixture.h"
#include "ui/controls.h"
#include "ui/font.h"
#include "ui/form.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class ListBoxTest : public test_support::AppTest {
protected:
    // The widest entry as the system measures it in the list's font, with the list's margin.
    int WidestMeasured(const std::vector<std::wstring>& entries)
    {
        HDC dc = GetDC(list.Handle());
        const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list.Handle(), WM_GETFONT, 0, 0)));
        int widest = 0;
        for (const auto& entry : entries) {
            SIZE size{};
            GetTextExtentPoint32W(dc, entry.c_str(), static_cast<int>(entry.size()), &size);
            widest = std::max(widest, static_cast<int>(size.cx) + 6);
        }
        SelectObject(dc, old);
        ReleaseDC(list.Handle(), dc);
        return widest;
    }
    int Extent() { return static_cast<int>(SendMessageW(list.Handle(), LB_GETHORIZONTALEXTENT, 0, 0)); }

    ui::Form form{{.caption = L"Списък", .clientWidth = 300, .clientHeight = 200}};
    ui::ListBox list{{.parent = form.Handle(), .bounds = {0, 0, 120, 150}, .horizontalScroll = true}};
};

TEST_F(ListBoxTest, TheScrollReachesTheEndOfTheWidestEntry)
{
    const struct {
        const char* what;
        std::vector<std::wstring> entries;
    } cases[] = {
        {"Cyrillic", {L"Боб", L"Пролетна супа с киселец и яйца", L"Таратор"}},
        {"fewer but wider letters after more narrow ones", {L"iiiiiiiiiiiiiiiiiiii", L"ШЩЖШЩЖШЩЖШЩЖ"}},
        {"quotes and a dash outside the Cyrillic block", {L"Торта „Гараш“ — класическа рецепта", L"Торта Гараш"}},
        {"Latin and digits", {L"Crème brûlée 2", L"Pavlova"}},
    };
    for (const bool inOneUpdate : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (inOneUpdate ? ", added in one update" : ", added one by one"));
            list.Clear();
            if (inOneUpdate)
                list.BeginUpdate();
            for (const auto& entry : c.entries)
                list.Add(entry);
            if (inOneUpdate)
                list.EndUpdate();
            EXPECT_NEAR(Extent(), WidestMeasured(c.entries), 2);
        }
    }
}

TEST_F(ListBoxTest, AFillInOneUpdateSetsTheScrollOnceAtItsEnd)
{
    list.Add(L"Боб");
    const int before = Extent();
    const std::vector<std::wstring> entries{L"Боб", L"Таратор", L"Пролетна супа с киселец и яйца"};
    list.BeginUpdate();
    for (const auto& entry : entries)
        list.Add(entry);
    EXPECT_EQ(Extent(), before) << "the scroll is not set again for each wider entry";
    list.EndUpdate();
    EXPECT_NEAR(Extent(), WidestMeasured(entries), 2);
}

TEST_F(ListBoxTest, ANewFontMeasuresTheEntriesAgain)
{
    const std::vector<std::wstring> entries{L"Пролетна супа с киселец и яйца", L"Боб"};
    for (const auto& entry : entries)
        list.Add(entry);
    const int before = Extent();
    const auto large = ui::CreateFontHandle({.height = -22});
    list.SetFontHandle(large.get());
    EXPECT_GT(Extent(), before * 3 / 2);
    EXPECT_NEAR(Extent(), WidestMeasured(entries), 2);
    list.Add(L"Таратор");
    EXPECT_NEAR(Extent(), WidestMeasured(entries), 2) << "a short entry in the new font changes nothing";
    list.SetFontHandle(nullptr);
}

}
