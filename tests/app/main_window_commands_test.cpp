// Every command of the main window, run as its menu item runs it, does what its caption says: a
// category lists that category's recipes with its status text, a window's command shows that
// window, and the colour, find and search commands open their dialogs.
#include "app/pelnor.h"
#include "app/program.h"
#include "app/startup.h"
#include "base/text.h"
#include "catalogue/searchall.h"
#include "personal/addrecepies.h"
#include "personal/myrecepies.h"
#include "reference/about.h"
#include "reference/popmenu.h"
#include "reference/readme.h"
#include "support/advice_files.h"
#include "support/app_fixture.h"
#include "support/catalogue_db.h"
#include "support/my_recipes_db.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using base::Narrow;

enum class Does { ListTable, ShowWindow, PickColor, OpenFind, OpenSearch };

struct CommandCase {
    const wchar_t* command;
    Does does;
    // The catalogue table whose recipes are listed, or the class of the window shown.
    const wchar_t* what;
    // For a category, the status bar's catalogue text once its one recipe is listed.
    const wchar_t* status = L"";
};

void PrintTo(const CommandCase& c, std::ostream* out)
{
    *out << Narrow(c.command);
}

const CommandCase kCommands[] = {
    {L"Prolet", Does::ListTable, L"Пролет", L"Сезонна кухня - Пролет: 1 Рецепти"},
    {L"Liato", Does::ListTable, L"Лято", L"Сезонна кухня - Лято: 1 Рецепти"},
    {L"Esen", Does::ListTable, L"Есен", L"Сезонна кухня - Есен: 1 Рецепти"},
    {L"Zima", Does::ListTable, L"Зима", L"Сезонна кухня - Зима: 1 Рецепти"},
    {L"Zakuski", Does::ListTable, L"Закуски", L"Бърза кухня - Закуски: 1 Рецепти"},
    {L"Supi", Does::ListTable, L"Супи", L"Бърза кухня - Супи: 1 Рецепти"},
    {L"Prediastie", Does::ListTable, L"Предястия", L"Бърза кухня - Предястия: 1 Рецепти"},
    {L"Iastia", Does::ListTable, L"Ястия", L"Бърза кухня - Ястия: 1 Рецепти"},
    {L"Deserti", Does::ListTable, L"Десерти", L"Бърза кухня - Десерти: 1 Рецепти"},
    {L"Torti", Does::ListTable, L"Торти Кексове и Рула", L"Сладкарска Кухня - Торти,Кексове и Рула: 1 Рецепти"},
    {L"sladkishi", Does::ListTable, L"Сладкиши", L"Сладкарска Кухня - Сладкиши: 1 Рецепти"},
    {L"PostniSladki", Does::ListTable, L"Постни сладки", L"Сладкарска Кухня - Постни и пържени сладки: 1 Рецепти"},
    {L"Drebnisladki", Does::ListTable, L"Дребни Сладки", L"Сладкарска Кухня - Дребни сладки: 1 Рецепти"},
    {L"Holiday", Does::ListTable, L"Празнична Кухня", L"Празнична Кухня: 1 Рецепти"},
    {L"National", Does::ListTable, L"Чуждестранна Кухня", L"Чуждестранна Кухня: 1 Рецепти"},
    {L"Kokteili", Does::ListTable, L"Коктейли", L"Коктейли и Болета: 1 Рецепти"},
    {L"Enciklopedia", Does::ListTable, L"Podpravki", L"Енциклопедия на подправките"},
    {L"MyRecepies", Does::ShowWindow, L"TForm5"},
    {L"Addrecepies", Does::ShowWindow, L"TForm4"},
    {L"suveti", Does::ShowWindow, L"TForm2"},
    {L"Readme", Does::ShowWindow, L"TForm3"},
    {L"About", Does::ShowWindow, L"TAboutBox"},
    {L"color", Does::PickColor, L""},
    {L"Find", Does::OpenFind, L""},
    {L"SearchAll", Does::OpenSearch, L""},
};

std::wstring ClassName(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

// What became the active window while a command's modal window was up; that window is then closed,
// as the user closes it.
std::wstring shownModally;

void CALLBACK LookThenClose(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND active = GetActiveWindow();
    if (!active || active == Form1->Handle())
        return;
    KillTimer(nullptr, timer);
    shownModally = ClassName(active);
    PostMessageW(active, WM_CLOSE, 0, 0);
}

class MainWindowCommandTest : public test_support::AppTest, public ::testing::WithParamInterface<CommandCase> {
protected:
    void SetUp() override
    {
        // One recipe in every table, named after its table, so a list tells which table it shows.
        std::vector<test_support::CatalogueTable> catalogue;
        for (const auto& c : kCommands) {
            if (c.does == Does::ListTable)
                catalogue.push_back({.name = c.what, .rows = {{RecipeOf(c.what), L"продукти", L"Приготвяне."}}});
        }
        test_support::WriteCatalogue(catalogue);
        test_support::WriteAdviceDatabases({});
        test_support::WriteCp1251File(L"Readme 1.02.txt", L"Велмора");
        for (const wchar_t* file : {L"MKT", L"ZDP", L"KNS", L"KMG", L"Konservirane"})
            test_support::WriteCp1251File(std::wstring(L"Favour Advice\\") + file + L".txt", file);
        test_support::WriteMyRecipes({});
        CreateLastingWindows(windows);
        Form1->Show();
        app.ProcessMessages();
        shownModally.clear();
    }
    void TearDown() override
    {
        if (Form1 && Form1->SearchForm())
            Form1->SearchForm()->Hide();
    }

    static std::wstring RecipeOf(const std::wstring& table) { return L"Рецепта от " + table; }

    void Run(std::wstring_view command)
    {
        SendMessageW(Form1->Handle(), WM_COMMAND, MAKEWPARAM(Form1->ActionManager1.Get(command).id, 0), 0);
        app.ProcessMessages();
    }

    std::vector<std::wstring> Entries() const
    {
        std::vector<std::wstring> entries;
        for (int index = 0; index < Form1->ListBox1.Count(); ++index)
            entries.push_back(Form1->ListBox1.Item(index));
        return entries;
    }

    LastingWindows windows;
};

TEST_P(MainWindowCommandTest, DoesWhatItsCaptionSays)
{
    const CommandCase& c = GetParam();
    switch (c.does) {
    case Does::ListTable:
        Run(c.command);
        EXPECT_EQ(Entries(), std::vector<std::wstring>{RecipeOf(c.what)});
        EXPECT_EQ(Form1->ADOTable1.TableName(), c.what);
        EXPECT_EQ(Narrow(Form1->StatusBar.PanelText(TForm1::kCataloguePanel)), Narrow(c.status));
        break;
    case Does::ShowWindow:
        SetTimer(nullptr, 0, 20, &LookThenClose);
        Run(c.command);
        EXPECT_EQ(shownModally, c.what);
        break;
    case Does::PickColor:
        Run(c.command);
        EXPECT_EQ(dialogs.colorRequests.size(), 1u);
        break;
    case Does::OpenFind:
        Run(c.command);
        ASSERT_NE(Form1->FindDialog.Handle(), nullptr);
        EXPECT_TRUE(IsWindowVisible(Form1->FindDialog.Handle()));
        break;
    case Does::OpenSearch:
        Run(c.command);
        ASSERT_NE(Form1->SearchForm(), nullptr);
        EXPECT_TRUE(Form1->SearchForm()->Visible());
        break;
    }
    EXPECT_TRUE(Errors().empty()) << Narrow(Errors().empty() ? L"" : Errors().front());
}

INSTANTIATE_TEST_SUITE_P(AllCommands, MainWindowCommandTest, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return Narrow(info.param.command); });

}
