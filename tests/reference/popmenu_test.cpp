// The practical-advice window: which files each tab reads and when, the views' texts, the measures
// tab's info view and grids, deleting from the dpm grid, and a missing text file.
#include "reference/popmenu.h"
#include "support/advice_files.h"
#include "support/app_fixture.h"
#include "support/keyboard.h"
#include "support/scratch_folder.h"
#include "ui/error.h"
#include "base/text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using test_support::PressKey;
using test_support::WriteCp1251File;
using base::Narrow;

const std::vector<std::wstring> kFiles{L"MKT", L"ZDP", L"KNS", L"KMG", L"Konservirane"};

std::wstring PathOf(const std::wstring& file)
{
    return L"Favour Advice\\" + file + L".txt";
}

class PracticalAdviceTest : public test_support::AppTest {
protected:
    void SetUp() override
    {
        test_support::WriteAdviceDatabases(
            {.energy = {"'Свинско месо, бут', 20.0, 7.0, 0.0, 143", "'Ябълка', 0.4, 0.4, 11.8, 47"},
             .merki = {"'Брашно', 130, 65, 9.8, 3.2, 'Първо инфо'", "'Захар', 180, 90, 12.5, 5, 'Второ инфо'"},
             .dpm = {"'Яйце', '1 яйце', 50", "'Лук', '1 глава', 120", "'Морков', '1 брой', 80"}});
        WriteTexts(L"първо");
    }

    // Every advice text gets "<file> <version>" with a Bulgarian word, as cp1251 bytes.
    void WriteTexts(const std::wstring& version)
    {
        for (const auto& file : kFiles)
            WriteCp1251File(PathOf(file), file + L" " + version + L"\nред две");
    }

    static std::string Loaded(const std::wstring& file, const std::wstring& version)
    {
        return Narrow(file + L" " + version + L"\r\nред две");
    }

    TForm2& Form()
    {
        if (!form_)
            form_ = std::make_unique<TForm2>();
        return *form_;
    }

    // The five text views by the file each shows.
    std::map<std::wstring, std::string> Views()
    {
        auto& f = Form();
        return {{L"MKT", Narrow(f.Memo1.Text())},
                {L"ZDP", Narrow(f.Memo2.Text())},
                {L"KNS", Narrow(f.Memo5.Text())},
                {L"KMG", Narrow(f.Memo4.Text())},
                {L"Konservirane", Narrow(f.Memo6.Text())}};
    }

    // As a click on a tab does: the tab control selects it and tells the window.
    void ChooseTab(int index)
    {
        const HWND tabs = Form().PageControl1.Handle();
        SendMessageW(tabs, TCM_SETCURSEL, index, 0);
        NMHDR change{tabs, 0, TCN_SELCHANGE};
        SendMessageW(Form().Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    }

    int RowsInDpmFile()
    {
        data::Connection connection(test_support::JetConnectionString(L"Favour Advice\\dpm.fad"));
        data::Table table(connection);
        table.SetTableName(L"dpm");
        table.Open();
        return static_cast<int>(table.RecordCount());
    }

    // Closing the program's first window ends the program: the window under test is not the first.
    ui::Form mainForm_{{.caption = L"Велмора XP"}};
    std::unique_ptr<TForm2> form_;
};

TEST_F(PracticalAdviceTest, ViewsHoldTheirNamesUntilTheFirstShowingLoadsTabOne)
{
    EXPECT_EQ(Views(), (std::map<std::wstring, std::string>{
                           {L"MKT", "Memo1"}, {L"ZDP", "Memo2"}, {L"KNS", "Memo5"}, {L"KMG", "Memo4"}, {L"Konservirane", "Memo6"}}));
    Form().Show();
    EXPECT_EQ(Form().PageControl1.SelectedIndex(), 0);
    EXPECT_EQ(Views()[L"MKT"], Loaded(L"MKT", L"първо"));
    EXPECT_EQ(Views()[L"ZDP"], "Memo2");
    EXPECT_TRUE(Errors().empty());
}

TEST_F(PracticalAdviceTest, ChoosingATabReadsItsOwnFileAndThenTabOnesFileAgain)
{
    const struct {
        int tab;
        std::set<std::wstring> read;
    } cases[] = {
        {1, {L"ZDP", L"MKT"}}, {2, {L"KNS", L"MKT"}}, {3, {L"KMG", L"MKT"}}, {4, {L"MKT"}},
        {5, {L"Konservirane", L"MKT"}}, {6, {L"MKT"}}, {0, {L"MKT"}},
    };
    Form().Show();
    int round = 0;
    for (const auto& c : cases) {
        const auto before = Views();
        const std::wstring version = L"v" + std::to_wstring(++round);
        WriteTexts(version);
        ChooseTab(c.tab);
        const auto after = Views();
        for (const auto& file : kFiles) {
            if (c.read.contains(file))
                EXPECT_EQ(after.at(file), Loaded(file, version)) << "tab " << c.tab << ", " << Narrow(file);
            else
                EXPECT_EQ(after.at(file), before.at(file)) << "tab " << c.tab << ", " << Narrow(file);
        }
        EXPECT_TRUE(IsWindowVisible(Form().PageControl1.Page(c.tab))) << c.tab;
    }
    EXPECT_TRUE(Errors().empty());
}

TEST_F(PracticalAdviceTest, ReopeningKeepsTheSelectedTabAndReadsItsFileAgain)
{
    Form().Show();
    ChooseTab(2);
    Form().Close();
    EXPECT_FALSE(Form().Visible());
    WriteTexts(L"второ");
    Form().Show();
    EXPECT_EQ(Form().PageControl1.SelectedIndex(), 2);
    EXPECT_EQ(Views()[L"KNS"], Loaded(L"KNS", L"второ"));
    EXPECT_EQ(Views()[L"MKT"], Loaded(L"MKT", L"първо"));
}

TEST_F(PracticalAdviceTest, TextTypedIntoThePreservingTabIsGoneWhenTheTabShowsAgain)
{
    Form().Show();
    ChooseTab(5);
    Form().Memo6.SetFocus();
    for (wchar_t c : std::wstring(L"бележка"))
        SendMessageW(Form().Memo6.Handle(), WM_CHAR, c, 1);
    EXPECT_NE(Views()[L"Konservirane"].find("бележка"), std::string::npos);
    ChooseTab(0);
    ChooseTab(5);
    EXPECT_EQ(Views()[L"Konservirane"], Loaded(L"Konservirane", L"първо"));
}

TEST_F(PracticalAdviceTest, CtrlTabAndCtrlShiftTabChooseTheNextAndPreviousTab)
{
    Form().Show();
    PressKey(Form().PageControl1.Handle(), VK_TAB, true);
    EXPECT_EQ(Form().PageControl1.SelectedIndex(), 1);
    EXPECT_EQ(Views()[L"ZDP"], Loaded(L"ZDP", L"първо"));
    PressKey(Form().PageControl1.Handle(), VK_TAB, true, true);
    PressKey(Form().PageControl1.Handle(), VK_TAB, true, true);
    EXPECT_EQ(Form().PageControl1.SelectedIndex(), 6);
}

TEST_F(PracticalAdviceTest, TabGoesThroughTheMeasuresTabAndFromCellToCellInsideItsGrids)
{
    Form().Show();
    ChooseTab(4);
    Form().PageControl1.SetFocus();
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Form().DBMemo1.Handle());
    PressKey(GetFocus(), VK_TAB);
    ASSERT_EQ(GetFocus(), Form().DBGrid2.Handle());
    // Two rows of five cells: nine steps to the last cell, the tenth leaves the grid.
    for (int step = 1; step < 10; ++step) {
        PressKey(GetFocus(), VK_TAB);
        EXPECT_EQ(Form().DBGrid2.CurrentRow() * 5 + Form().DBGrid2.CurrentColumn(), step);
    }
    EXPECT_EQ(GetFocus(), Form().DBGrid2.Handle());
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Form().DBGrid3.Handle());
    PressKey(GetFocus(), VK_TAB, false, true);
    EXPECT_EQ(GetFocus(), Form().DBGrid2.Handle());
}

TEST_F(PracticalAdviceTest, TheReadOnlyTextViewsAreSkippedByTab)
{
    Form().Show();
    Form().PageControl1.SetFocus();
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Form().PageControl1.Handle());
    ChooseTab(5);
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Form().Memo6.Handle());
}

TEST_F(PracticalAdviceTest, AMissingTextFileIsReportedWithItsFullPathAndTheViewKeepsItsText)
{
    std::filesystem::remove(PathOf(L"ZDP"));
    Form().Show();
    ChooseTab(1);
    const std::wstring full = (folder.Path() / L"Favour Advice" / L"ZDP.txt").wstring();
    wchar_t* reason = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   ERROR_FILE_NOT_FOUND, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
    std::wstring expected = L"Cannot open file \"" + full + L"\". " + reason;
    LocalFree(reason);
    while (expected.back() == L'\n' || expected.back() == L'\r' || expected.back() == L' ')
        expected.pop_back();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Narrow(Errors()[0]), Narrow(ui::WithFullStop(expected)));
    EXPECT_EQ(Views()[L"ZDP"], "Memo2");
    EXPECT_TRUE(IsWindowVisible(Form().PageControl1.Page(1)));
}

TEST_F(PracticalAdviceTest, MovingThroughTheMeasuresGridLeavesTheInfoOnTheFirstRow)
{
    Form().Show();
    ChooseTab(4);
    EXPECT_EQ(Narrow(Form().DBMemo1.Text()), "Първо инфо");
    PressKey(Form().DBGrid2.Handle(), VK_DOWN);
    EXPECT_EQ(Form().MerkiTable.Position(), 1u);
    EXPECT_EQ(Form().DBGrid2.CurrentRow(), 1);
    EXPECT_EQ(Narrow(Form().DBMemo1.Text()), "Първо инфо");
    EXPECT_EQ(Narrow(Form().DBGrid2.CellText(0, 3)), "9,8");
}

TEST_F(PracticalAdviceTest, GridsHaveTheirFieldTitlesWidthsAndAlignments)
{
    struct Column {
        std::string title;
        int width;
        bool centred;
        bool operator==(const Column&) const = default;
    };
    const auto columns = [](bound::DataGrid& grid) {
        std::vector<Column> found;
        for (int index = 0;; ++index) {
            wchar_t text[128] = {};
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            column.pszText = text;
            column.cchTextMax = 128;
            if (!SendMessageW(grid.Handle(), LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&column)))
                return found;
            found.push_back({Narrow(text), column.cx, (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER});
        }
    };
    EXPECT_EQ(columns(Form().DBGrid2), (std::vector<Column>{{"Вид на продуктите", 265, false},
                                                             {"1 чаена чашка/гр", 105, true},
                                                             {"1 кафена чашка/гр", 115, true},
                                                             {"1 супена лъжица/гр", 122, true},
                                                             {"1 чаена лъжица/гр", 114, true}}));
    EXPECT_EQ(columns(Form().DBGrid3), (std::vector<Column>{{"Продукти", 371, false}, {"Мерки", 238, true}, {"Грамаж", 111, true}}));
    EXPECT_EQ(columns(Form().DBGrid1), (std::vector<Column>{{"Продукти/100 грама", 339, false},
                                                             {"Белтъчини/гр", 81, true},
                                                             {"Мазнини/гр", 80, true},
                                                             {"Въглехидрати/гр", 98, true},
                                                             {"Килокалории (ккал)", 112, true}}));
}

TEST_F(PracticalAdviceTest, AnEmptyAdviceTableGivesOnlyTheTitleRow)
{
    test_support::WriteAdviceDatabases({});
    Form().Show();
    for (bound::DataGrid* grid : {&Form().DBGrid1, &Form().DBGrid2, &Form().DBGrid3}) {
        EXPECT_EQ(SendMessageW(grid->Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
        const auto header = reinterpret_cast<HWND>(SendMessageW(grid->Handle(), LVM_GETHEADER, 0, 0));
        EXPECT_GE(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
    }
    EXPECT_EQ(Narrow(Form().DBMemo1.Text()), "");
}

TEST_F(PracticalAdviceTest, CtrlDeleteInTheDpmGridAsksAndDeletesTheCurrentRowFromTheFile)
{
    Form().Show();
    ChooseTab(4);
    PressKey(Form().DBGrid3.Handle(), VK_DOWN);
    dialogs.messageAnswers = {IDCANCEL};
    PressKey(Form().DBGrid3.Handle(), VK_DELETE, true);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const auto& question = dialogs.messages[0];
    EXPECT_EQ(Narrow(question.text), "Delete record?");
    EXPECT_EQ(Narrow(question.caption), "Confirm");
    EXPECT_EQ(question.style, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
    ASSERT_EQ(question.buttons.size(), 2u);
    EXPECT_EQ(question.buttons[0].id, IDOK);
    EXPECT_EQ(Narrow(question.buttons[0].text), "OK");
    EXPECT_EQ(question.buttons[1].id, IDCANCEL);
    EXPECT_EQ(Narrow(question.buttons[1].text), "Cancel");
    EXPECT_EQ(RowsInDpmFile(), 3);

    dialogs.messageAnswers = {IDOK};
    PressKey(Form().DBGrid3.Handle(), VK_DELETE, true);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(RowsInDpmFile(), 2);
    EXPECT_EQ(SendMessageW(Form().DBGrid3.Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(Narrow(Form().DBGrid3.CellText(0, 0)), "Яйце");
    EXPECT_EQ(Narrow(Form().DBGrid3.CellText(1, 0)), "Морков");
    EXPECT_TRUE(Errors().empty());
}

TEST_F(PracticalAdviceTest, CtrlDeleteInTheReadOnlyGridsChangesNothing)
{
    Form().Show();
    ChooseTab(4);
    PressKey(Form().DBGrid2.Handle(), VK_DELETE, true);
    ChooseTab(6);
    PressKey(Form().DBGrid1.Handle(), VK_DELETE, true);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Form().MerkiTable.RecordCount(), 2u);
    EXPECT_EQ(Form().kKalTable.RecordCount(), 2u);
    EXPECT_EQ(Narrow(Form().DBGrid1.CellText(1, 3)), "11,8");
}

}
