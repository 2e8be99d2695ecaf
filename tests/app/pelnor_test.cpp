// The main window: its state when it opens, its menu bar and command set, hints, frame, cursor and closing.
#include "app/pelnor.h"
#include "support/main_window_fixture.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using base::Narrow;
using Lines = std::vector<std::string>;

// The hint each command shows in the status bar while its menu item is highlighted.
struct CommandHint {
    const wchar_t* command;
    const wchar_t* hint;
};

const CommandHint kHints[] = {
    {L"Izhod", L"Излез от кухнята"},
    {L"Prolet", L"Какво да сготвим през пролетта ?"},
    {L"Liato", L"Какво да сготвим през лятото ?"},
    {L"Esen", L"Какво да сготвим през есента ?"},
    {L"Zima", L"Какво да сготвим през зимата ?"},
    {L"Zakuski", L"Какво да направим за закуска ?"},
    {L"Supi", L"Каква супа да направим ?"},
    {L"Prediastie", L"Какво предястие да направим ?"},
    {L"Iastia", L"Какво ястие да направим ?"},
    {L"Deserti", L"Какъв десерт да направим ?"},
    {L"Holiday", L"Какво да направим в празничния ден ?"},
    {L"National", L"Какво готвят по света ?"},
    {L"MyRecepies", L"Какво ли съм добавил ?"},
    {L"Enciklopedia", L"Нещо повече за подправките"},
    {L"color", L""},
    {L"Readme", L""},
    {L"About", L"Инфо за Велмора XP"},
    {L"Addrecepies", L""},
    {L"suveti", L"Какво е необходимо да знаем ?"},
    {L"Find", L"Намери рецепта"},
    {L"Torti", L"Каква торта да си направя ?"},
    {L"sladkishi", L"Какъв сладкиш да забъркам ?"},
    {L"PostniSladki", L"Какво ли да си опържа ?"},
    {L"Drebnisladki", L"Какви сладки да направя ?"},
    {L"Kokteili", L"Какъв коктейл да спретна ?"},
    {L"SearchAll", L"Търси рецепта по име, продукти и начин на приготвяне"},
    {L"Pechat", L"Отпечатай рецептата на екрана"},
    {L"Zapishi", L"Запиши рецептата като текст или като страница за браузър"},
    {L"Kopirai", L"Копирай цялата рецепта като текст"},
    {L"Kopie", L"Запиши пълно копие на собствените рецепти"},
    {L"Vazstanovi", L"Добави рецептите от копие на Моите Рецепти"},
    {L"FindNext", L"Намери следващата рецепта със същото име"},
    {L"ZoomIn", L"По-едри букви на рецептите"},
    {L"ZoomOut", L"По-дребни букви на рецептите"},
    {L"ZoomReset", L"Обичайните букви на рецептите"},
};

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

    // The line of a menu item that runs `command`; a picture of -1 is none.
    std::string CommandLine(int depth, std::wstring_view caption, int picture, std::wstring_view command)
    {
        const std::string shown = picture < 0 ? "" : " [picture " + std::to_string(picture) + "]";
        return std::string(2 * depth, ' ') + Narrow(caption) + shown + " #" +
               std::to_string(Form().ActionManager1.Get(command).id);
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
        CommandLine(2, L"Пролет", 14, L"Prolet"),
        CommandLine(2, L"Лято", 9, L"Liato"),
        CommandLine(2, L"Есен", 0, L"Esen"),
        CommandLine(2, L"Зима", 19, L"Zima"),
        "  Бърза Кухня [picture 10]",
        CommandLine(2, L"Закуски", 14, L"Zakuski"),
        CommandLine(2, L"Супи", 9, L"Supi"),
        CommandLine(2, L"Предястия", 19, L"Prediastie"),
        CommandLine(2, L"Ястия", 1, L"Iastia"),
        CommandLine(2, L"Десерти", 0, L"Deserti"),
        "  Сладкарска Кухня [picture 10]",
        CommandLine(2, L"Торти, Кексове и Рула", 14, L"Torti"),
        CommandLine(2, L"Сладкиши и Пудинги", 9, L"sladkishi"),
        CommandLine(2, L"Постни и пържени сладки", 0, L"PostniSladki"),
        CommandLine(2, L"Дребни сладки", 19, L"Drebnisladki"),
        CommandLine(1, L"Празнична Кухня", 11, L"Holiday"),
        CommandLine(1, L"Чуждестранна Кухня", 11, L"National"),
        CommandLine(1, L"Коктейли и Болета", 11, L"Kokteili"),
        "  ---",
        CommandLine(1, L"Моите Рецепти", 11, L"MyRecepies"),
        "  ---",
        CommandLine(1, L"Изход", 8, L"Izhod"),
        "Настройки [picture 18]",
        "  Декорация",
        CommandLine(2, L"Смени цвета", 2, L"color"),
        CommandLine(2, L"По-едър шрифт\tCtrl++", -1, L"ZoomIn"),
        CommandLine(2, L"По-дребен шрифт\tCtrl+-", -1, L"ZoomOut"),
        "  ---",
        CommandLine(1, L"Намери рецепта\tCtrl+F", 16, L"Find"),
        "  ---",
        CommandLine(1, L"Добави рецепта към Моите рецепти", 20, L"Addrecepies"),
        "  ---",
        CommandLine(1, L"&Readme", 17, L"Readme"),
        "  ---",
        CommandLine(1, L"Инфо", 15, L"About"),
        "  ---",
        CommandLine(1, L"Търси навсякъде…\tCtrl+Shift+F", 16, L"SearchAll"),
        CommandLine(1, L"Намери следваща\tF3", 16, L"FindNext"),
        "Справочник [picture 12]",
        CommandLine(1, L"Практични съвети", 4, L"suveti"),
        CommandLine(1, L"Енциклопедия на подправките", 3, L"Enciklopedia"),
        "Рецепта",
        CommandLine(1, L"Печат…\tCtrl+P", -1, L"Pechat"),
        CommandLine(1, L"Запиши рецептата…", -1, L"Zapishi"),
        CommandLine(1, L"Копирай рецептата\tCtrl+Shift+C", -1, L"Kopirai"),
        "  ---",
        CommandLine(1, L"Запази копие на Моите Рецепти…", -1, L"Kopie"),
        CommandLine(1, L"Възстанови от копие…", -1, L"Vazstanovi"),
    };
    EXPECT_EQ(DescribeMenu(Form().MenuBar()), expected);
}

TEST_F(MainWindowTest, HighlightedCommandShowsItsHintAndACommandWithoutOneBlanksIt)
{
    for (const auto& row : kHints) {
        SCOPED_TRACE(Narrow(row.command));
        Highlight(L"About");  // a hinted command first, so a blank hint has something to clear
        Highlight(row.command);
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
