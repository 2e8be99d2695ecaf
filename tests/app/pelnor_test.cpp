// The main window: its state when it opens, its menu bar and command set, hints, frame, cursor and closing.
#include "app/pelnor.h"
#include "support/main_window_fixture.h"
#include "ui/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using ui::Narrow;
using Lines = std::vector<std::string>;

struct CommandRow {
    const wchar_t* name;
    const wchar_t* caption;
    const wchar_t* hint;
    const wchar_t* category;
    int image;
    const wchar_t* keys = L"";  // the shortcut its menu items show after a tab
};

const CommandRow kCommandTable[] = {
    {L"Izhod", L"Изход", L"Излез от кухнята", L"Меню", 8},
    {L"Prolet", L"Пролет", L"Какво да сготвим през пролетта ?", L"Меню", 14},
    {L"Liato", L"Лято", L"Какво да сготвим през лятото ?", L"Меню", 9},
    {L"Esen", L"Есен", L"Какво да сготвим през есента ?", L"Меню", 0},
    {L"Zima", L"Зима", L"Какво да сготвим през зимата ?", L"Меню", 19},
    {L"Zakuski", L"Закуски", L"Какво да направим за закуска ?", L"Меню", 14},
    {L"Supi", L"Супи", L"Каква супа да направим ?", L"Меню", 9},
    {L"Prediastie", L"Предястия", L"Какво предястие да направим ?", L"Меню", 19},
    {L"Iastia", L"Ястия", L"Какво ястие да направим ?", L"Меню", 1},
    {L"Deserti", L"Десерти", L"Какъв десерт да направим ?", L"Меню", 0},
    {L"Holiday", L"Празнична Кухня", L"Какво да направим в празничния ден ?", L"Меню", 11},
    {L"National", L"Чуждестранна Кухня", L"Какво готвят по света ?", L"Меню", 11},
    {L"MyRecepies", L"Моите Рецепти", L"Какво ли съм добавил ?", L"Меню", 11},
    {L"Enciklopedia", L"Енциклопедия на подправките", L"Нещо повече за подправките", L"Справочник", 3},
    {L"color", L"Смени цвета", L"", L"Настройки", 2},
    {L"Readme", L"Readme", L"", L"Настройки", 17},
    {L"About", L"Инфо", L"Инфо за Велмора XP", L"Настройки", 15},
    {L"Addrecepies", L"Добави рецепта към Моите рецепти", L"", L"Настройки", 20},
    {L"suveti", L"Практични съвети", L"Какво е необходимо да знаем ?", L"Справочник", 4},
    {L"Find", L"Намери рецепта", L"Намери рецепта", L"Настройки", 16, L"Ctrl+F"},
    {L"Torti", L"Торти, Кексове и Рула", L"Каква торта да си направя ?", L"Меню", 14},
    {L"sladkishi", L"Сладкиши и Пудинги", L"Какъв сладкиш да забъркам ?", L"Меню", 9},
    {L"PostniSladki", L"Постни и пържени сладки", L"Какво ли да си опържа ?", L"Меню", 0},
    {L"Drebnisladki", L"Дребни сладки", L"Какви сладки да направя ?", L"Меню", 19},
    {L"Kokteili", L"Коктейли и Болета", L"Какъв коктейл да спретна ?", L"Меню", 11},
    // Beyond the twenty-five: the search over everything.
    {L"SearchAll", L"Търси навсякъде…", L"Търси рецепта по име, продукти и начин на приготвяне", L"Настройки", 16,
     L"Ctrl+Shift+F"},
    // The keyboard's search and text size.
    {L"FindNext", L"Намери следваща", L"Намери следващата рецепта със същото име", L"Настройки", 16, L"F3"},
    {L"ZoomIn", L"По-едър шрифт", L"По-едри букви на рецептите", L"Настройки", -1, L"Ctrl++"},
    {L"ZoomOut", L"По-дребен шрифт", L"По-дребни букви на рецептите", L"Настройки", -1, L"Ctrl+-"},
    {L"ZoomReset", L"Стандартен шрифт", L"Обичайните букви на рецептите", L"Настройки", -1, L"Ctrl+0"},
};

const CommandRow& Row(std::wstring_view name)
{
    for (const auto& row : kCommandTable) {
        if (row.name == name)
            return row;
    }
    throw std::out_of_range("no such command in the table");
}

class MainWindowTest : public test_support::MainWindowFixture {
protected:
    void SetUp() override
    {
        OpenMainWindow({{.name = L"Супи", .rows = {{L"Таратор", L"кисело мляко\r\nкраставица", L"Разбърква се."}}}});
    }

    // One line per menu item, indented by depth: caption, the picture's number in the menu
    // pictures, and the ID of an item that runs a command.
    Lines DescribeMenu(HMENU menu, int depth = 0)
    {
        Lines lines;
        for (int position = 0; position < GetMenuItemCount(menu); ++position) {
            wchar_t text[256] = {};
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_BITMAP | MIIM_SUBMENU;
            info.dwTypeData = text;
            info.cch = std::size(text);
            GetMenuItemInfoW(menu, position, TRUE, &info);
            std::string line(2 * depth, ' ');
            if (info.fType & MFT_SEPARATOR) {
                lines.push_back(line + "---");
                continue;
            }
            line += Narrow(text);
            if (info.hbmpItem)
                line += " [picture " + PictureNumber(info.hbmpItem) + "]";
            if (!info.hSubMenu)
                line += " #" + std::to_string(info.wID);
            lines.push_back(line);
            if (info.hSubMenu) {
                const Lines inner = DescribeMenu(info.hSubMenu, depth + 1);
                lines.insert(lines.end(), inner.begin(), inner.end());
            }
        }
        return lines;
    }

    std::string PictureNumber(HBITMAP bitmap)
    {
        for (int index = 0; index < Form().ImageList1.Count(); ++index) {
            if (Form().ImageList1.MenuBitmap(index) == bitmap)
                return std::to_string(index);
        }
        return "not one of the menu pictures";
    }

    // The line a command's menu item should have; `caption` overrides the command's own.
    std::string CommandLine(int depth, std::wstring_view name, const wchar_t* caption = nullptr)
    {
        const CommandRow& row = Row(name);
        const std::string keys = *row.keys ? "\t" + Narrow(row.keys) : "";
        const std::string picture = row.image >= 0 ? " [picture " + std::to_string(row.image) + "]" : "";
        return std::string(2 * depth, ' ') + Narrow(caption ? caption : row.caption) + keys + picture + " #" +
               std::to_string(Form().ActionManager1.Get(name).id);
    }

    void Highlight(std::wstring_view name)
    {
        SendMessageW(Form().Handle(), WM_MENUSELECT, MAKEWPARAM(Form().ActionManager1.Get(name).id, MF_STRING | MF_HILITE),
                     reinterpret_cast<LPARAM>(Form().MenuBar()));
    }

    std::wstring ReadSetting(const wchar_t* section, const wchar_t* key)
    {
        wchar_t value[64] = {};
        GetPrivateProfileStringW(section, key, L"<missing>", value, std::size(value), SettingsPath().c_str());
        return value;
    }
};

TEST_F(MainWindowTest, OpensWithEmptyViewsAndTheTableOnSoups)
{
    EXPECT_EQ(Form().ListBox1.Count(), 0);
    EXPECT_EQ(Narrow(Form().DBMemo1.Text()), "");
    EXPECT_EQ(Narrow(Form().DBMemo2.Text()), "");
    EXPECT_EQ(Narrow(Form().StatusBar.PanelText(TForm1::kCataloguePanel)), "");
    EXPECT_TRUE(Form().ADOTable1.Active());
    EXPECT_EQ(Narrow(Form().ADOTable1.TableName()), "Супи");
    EXPECT_TRUE(Errors().empty());
}

TEST_F(MainWindowTest, MenuBarHoldsTheCommandsInTheirMenusWithPictures)
{
    const Lines expected = {
        "Меню [picture 13]",
        "  Сезонна Кухня [picture 10]",
        CommandLine(2, L"Prolet"),
        CommandLine(2, L"Liato"),
        CommandLine(2, L"Esen"),
        CommandLine(2, L"Zima"),
        "  Бърза Кухня [picture 10]",
        CommandLine(2, L"Zakuski"),
        CommandLine(2, L"Supi"),
        CommandLine(2, L"Prediastie"),
        CommandLine(2, L"Iastia"),
        CommandLine(2, L"Deserti"),
        "  Сладкарска Кухня [picture 10]",
        CommandLine(2, L"Torti"),
        CommandLine(2, L"sladkishi"),
        CommandLine(2, L"PostniSladki"),
        CommandLine(2, L"Drebnisladki"),
        CommandLine(1, L"Holiday"),
        CommandLine(1, L"National"),
        CommandLine(1, L"Kokteili"),
        "  ---",
        CommandLine(1, L"MyRecepies"),
        "  ---",
        CommandLine(1, L"Izhod"),
        "Настройки [picture 18]",
        "  Декорация",
        CommandLine(2, L"color"),
        CommandLine(2, L"ZoomIn"),
        CommandLine(2, L"ZoomOut"),
        "  ---",
        CommandLine(1, L"Find"),
        "  ---",
        CommandLine(1, L"Addrecepies"),
        "  ---",
        CommandLine(1, L"Readme", L"&Readme"),
        "  ---",
        CommandLine(1, L"About"),
        "  ---",
        CommandLine(1, L"SearchAll"),
        CommandLine(1, L"FindNext"),
        "Справочник [picture 12]",
        CommandLine(1, L"suveti"),
        CommandLine(1, L"Enciklopedia"),
    };
    EXPECT_EQ(DescribeMenu(Form().MenuBar()), expected);
}

TEST_F(MainWindowTest, CommandSetHasTheTwentyFiveCommandsAndTheSearchWithTheirTexts)
{
    const auto describe = [](std::wstring_view name, std::wstring_view caption, std::wstring_view hint,
                             std::wstring_view category, int image) {
        return Narrow(name) + " | " + Narrow(caption) + " | " + Narrow(hint) + " | " + Narrow(category) + " | " +
               std::to_string(image);
    };
    Lines expected;
    for (const auto& row : kCommandTable)
        expected.push_back(describe(row.name, row.caption, row.hint, row.category, row.image) + " | " + Narrow(row.keys));
    Lines actual;
    for (const auto& command : Form().ActionManager1.All())
        actual.push_back(describe(command->name, command->caption, command->hint, command->category, command->imageIndex) +
                         " | " + Narrow(command->keyText));
    EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowTest, HighlightedCommandShowsItsHintAndACommandWithoutOneBlanksIt)
{
    for (const auto& row : kCommandTable) {
        SCOPED_TRACE(Narrow(row.name));
        Highlight(L"About");  // a hinted command first, so a blank hint has something to clear
        Highlight(row.name);
        EXPECT_EQ(Narrow(Form().StatusBar.PanelText(TForm1::kHintPanel)), Narrow(row.hint));
    }
}

TEST_F(MainWindowTest, HasAFixedSizeFrameThatOnlyMinimizes)
{
    RECT client{};
    GetClientRect(Form().Handle(), &client);
    EXPECT_EQ(client.right - client.left, 762);
    EXPECT_EQ(client.bottom - client.top, 481);
    const LONG style = GetWindowLongW(Form().Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(Narrow(Form().Text()), "Велмора XP");
}

TEST_F(MainWindowTest, RecipeListShowsTheRegisteredCursor16)
{
    const HCURSOR registered = app.ScreenCursors().Get(16);
    ASSERT_NE(registered, nullptr);
    EXPECT_NE(registered, LoadCursorW(nullptr, IDC_ARROW));
    const HWND list = Form().ListBox1.Handle();
    SendMessageW(GetParent(list), WM_SETCURSOR, reinterpret_cast<WPARAM>(list), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), registered);
}

// Every way of closing the main window saves the settings and ends the program.
struct CloseWay {
    const char* name;
    void (*close)(TForm1& form);
};

void PrintTo(const CloseWay& way, std::ostream* out)
{
    *out << way.name;
}

class ClosingMainWindowTest : public MainWindowTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(ClosingMainWindowTest, WritesTheSettingsAndEndsTheProgram)
{
    ASSERT_FALSE(std::filesystem::exists(SettingsPath()));
    GetParam().close(Form());
    EXPECT_TRUE(std::filesystem::exists(SettingsPath()));
    EXPECT_EQ(Narrow(ReadSetting(L"Programs", L"Ver")), "1.02");
    app.ProcessMessages();
    EXPECT_TRUE(app.Terminated());
    EXPECT_TRUE(Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingMainWindowTest,
    ::testing::Values(CloseWay{"Close", [](TForm1& form) { form.Close(); }},
                      CloseWay{"WmClose", [](TForm1& form) { SendMessageW(form.Handle(), WM_CLOSE, 0, 0); }},
                      CloseWay{"IzhodCommand",
                               [](TForm1& form) {
                                   SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(form.ActionManager1.Get(L"Izhod").id, 0), 0);
                               }}),
    [](const ::testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.name); });

}
