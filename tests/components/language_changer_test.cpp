// The keyboard layout component over a keyboard of US English and Bulgarian layouts.
#include "components/language_changer.h"
#include "support/app_fixture.h"
#include "support/fake_keyboard_layouts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using components::EAssertionFailed;
using components::EFileError;
using components::ERangeError;
using components::EReadError;
using components::EUnknownIdentifer;
using components::TCurrentLanguages;
using components::TrecLang;

namespace {

using test_support::kBulgarian;
using test_support::kUsEnglish;
using Lines = std::vector<std::string>;

class LanguageChangerTest : public test_support::AppTest {
protected:
    Lines Properties(const TCurrentLanguages& c)
    {
        return {c.LayoutID(), c.LayoutLocolizedName(), c.LayoutEnglishName(), c.LayoutShortName(), c.LayoutNativeName(),
                c.LayoutExtention()};
    }
    void PostSwitch(HKL layout)
    {
        PostMessageW(app.Handle(), WM_INPUTLANGCHANGEREQUEST, 0, reinterpret_cast<LPARAM>(layout));
        app.ProcessMessages();
    }
    test_support::FakeKeyboardLayouts layouts{kUsEnglish};
};

TEST_F(LanguageChangerTest, PropertiesDescribeTheActiveLayout)
{
    TCurrentLanguages languages(layouts);
    EXPECT_EQ(Properties(languages), (Lines{"0409", "English (United States)", "English", "ENU", "English", "EN"}));
    EXPECT_EQ(TCurrentLanguages::InstalledCount(), 2);
    EXPECT_EQ(TCurrentLanguages::InstalledLayouts()[1].LayoutHandleHex, "04020402");
    EXPECT_EQ(TCurrentLanguages::InstalledLayouts()[1].LanguageNumber, 0x0402);
    EXPECT_TRUE(layouts.activations.empty());
}

TEST_F(LanguageChangerTest, PropertyWrites)
{
    const struct {
        const char* name;
        HKL active;
        void (TCurrentLanguages::*write)(const std::string&);
        std::string value;
        std::vector<HKL> activations;
        HKL activeAfter;
    } cases[] = {
        // The English name of another installed layout, in other letter case, activates that layout.
        {"english name", kUsEnglish, &TCurrentLanguages::SetLayoutEnglishName, "bULGARIAN", {kBulgarian}, kBulgarian},
        // Kind 0 looks handles up by their hexadecimal text, which has no leading zero: no match,
        // so the previous layout is activated.
        {"0409", kBulgarian, &TCurrentLanguages::SetLayoutID, "0409", {reinterpret_cast<HKL>(HKL_PREV)}, kUsEnglish},
        {"handle text", kUsEnglish, &TCurrentLanguages::SetLayoutID, "4020402", {kBulgarian}, kBulgarian},
        // The current value in other letter case changes nothing.
        {"same value", kUsEnglish, &TCurrentLanguages::SetLayoutShortName, "enu", {}, kUsEnglish},
    };
    for (const auto& c : cases) {
        test_support::FakeKeyboardLayouts keyboard(c.active);
        TCurrentLanguages languages(keyboard);
        (languages.*c.write)(c.value);
        EXPECT_EQ(keyboard.activations, c.activations) << c.name;
        EXPECT_EQ(keyboard.Current(), c.activeAfter) << c.name;
        TCurrentLanguages fresh(keyboard);
        EXPECT_EQ(Properties(languages), Properties(fresh)) << c.name;
    }
}

TEST_F(LanguageChangerTest, ListBuilderForms)
{
    TCurrentLanguages languages(layouts);
    Lines list{"earlier"};
    languages.SetLayoutList(std::string("english"), &list);
    EXPECT_EQ(list, (Lines{"earlier", "English", "Bulgarian"}));
    languages.SetLayoutList(std::int32_t{0}, &list);
    EXPECT_EQ(list, (Lines{"earlier", "English", "Bulgarian", "0409", "0402"}));

    for (const std::int32_t type : {6, -1}) {
        try {
            languages.SetLayoutList(type, &list);
            ADD_FAILURE() << type;
        } catch (const ERangeError& e) {
            EXPECT_STREQ(e.what(), "The procedure SetLayoutList reports: The variable ListType is out of range.");
        }
    }
    EXPECT_EQ(list.size(), 5u);
    try {
        languages.SetLayoutList(std::string("Kind"), &list);
        ADD_FAILURE();
    } catch (const EUnknownIdentifer& e) {
        EXPECT_STREQ(e.what(), "The procedure SetLayoutList reports: The value of the ListType variable (Kind) is unkown.");
    }
    try {
        languages.SetLayoutList(std::uint8_t{6}, &list);
        ADD_FAILURE();
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(std::string(e.what()).rfind("The procedure SetLayoutList reports: The value of the Return variable is empty "
                                              "(LanguageChanger, line ",
                                              0),
                  0u)
            << e.what();
    }
    EXPECT_EQ(list.size(), 5u);
}

TEST_F(LanguageChangerTest, ASwitchRaisesBeforeWithBothLayoutsThenAfterWithTheNewOne)
{
    TCurrentLanguages languages(layouts);
    std::vector<std::string> events;
    languages.BeforeLanguageChanges = [&](TCurrentLanguages&, const TrecLang& current, const TrecLang& next) {
        events.push_back("before " + current.ShortName + " " + next.ShortName);
    };
    languages.AftherLanguageChanges = [&](TCurrentLanguages& sender, const TrecLang& now) {
        events.push_back("after " + now.ShortName + " " + sender.LayoutID());
        EXPECT_FALSE(app.onMessage) << "the hook is out while the event runs";
    };
    PostSwitch(kBulgarian);
    EXPECT_EQ(events, (Lines{"before ENU BGR", "after BGR 0402"}));
    EXPECT_EQ(languages.LayoutID(), "0402");
    EXPECT_TRUE(app.onMessage);
}

TEST_F(LanguageChangerTest, TwoComponentsChainTheirHooksAndLeaveInEitherOrder)
{
    for (const bool firstGoesFirst : {true, false}) {
        std::vector<std::string> events;
        auto first = std::make_unique<TCurrentLanguages>(layouts);
        auto second = std::make_unique<TCurrentLanguages>(layouts);
        first->BeforeLanguageChanges = [&](TCurrentLanguages&, const TrecLang&, const TrecLang&) { events.push_back("first"); };
        second->BeforeLanguageChanges = [&](TCurrentLanguages&, const TrecLang&, const TrecLang&) { events.push_back("second"); };
        PostSwitch(kBulgarian);
        EXPECT_EQ(events, (Lines{"second", "first"}));

        events.clear();
        (firstGoesFirst ? first : second).reset();
        PostSwitch(kUsEnglish);
        EXPECT_EQ(events, (Lines{firstGoesFirst ? "second" : "first"}));
        (firstGoesFirst ? second : first).reset();
        events.clear();
        PostSwitch(kBulgarian);
        EXPECT_TRUE(events.empty());
        EXPECT_FALSE(app.onMessage) << firstGoesFirst;
    }
}

TEST_F(LanguageChangerTest, ALayoutFileKeepsTheHandleAndTheLanguageNumberIn36Bytes)
{
    TCurrentLanguages languages(layouts);
    TrecLang bulgarian;
    ASSERT_TRUE(languages.GetLanguageRecord(kBulgarian, bulgarian));
    languages.SaveLayoutToFile(bulgarian, "bg.lay");

    std::ifstream file("bg.lay", std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    ASSERT_EQ(bytes.size(), 36u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 8, bytes.begin() + 16),
              (std::vector<unsigned char>{0x02, 0x04, 0x02, 0x04, 0x02, 0x04, 0x00, 0x00}));

    TrecLang loaded;
    languages.LoadLayoutFromFile("bg.lay", loaded);
    EXPECT_EQ(loaded.LayoutHandle, kBulgarian);
    EXPECT_EQ(loaded.LanguageNumber, 0x0402);
    TCurrentLanguages fromFile(layouts, std::string("bg.lay"));
    EXPECT_EQ(fromFile.LayoutID(), "0402");
}

TEST_F(LanguageChangerTest, AMissingOrShortLayoutFileFails)
{
    TCurrentLanguages languages(layouts);
    TrecLang record;
    try {
        languages.LoadLayoutFromFile("none.lay", record);
        ADD_FAILURE();
    } catch (const EFileError& e) {
        EXPECT_STREQ(e.what(), "The procedure LoadLayoutFromFile reports: The file none.lay was not found.");
    }
    EXPECT_THROW(TCurrentLanguages(layouts, std::string("none.lay")), EFileError);
    std::ofstream("short.lay", std::ios::binary) << std::string(35, '\1');
    EXPECT_THROW(languages.LoadLayoutFromFile("short.lay", record), EReadError);
}

}  // namespace
