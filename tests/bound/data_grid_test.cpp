// The data grid: rows read from the table on demand, the decimal comma, titles, the current cell
// moved by keys and the mouse, and the table's current row following it.
#include "data/connection.h"
#include "data/table.h"
#include "support/advice_files.h"
#include "support/app_fixture.h"
#include "support/keyboard.h"
#include "support/scratch_folder.h"
#include "bound/data_grid.h"
#include "ui/form.h"
#include "base/text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using base::Narrow;

TEST(GridText, ShowsDecimalNumbersWithTheDecimalComma)
{
    const struct {
        const wchar_t* stored;
        const wchar_t* shown;
    } cases[] = {
        {L"3.6", L"3,6"},   {L"20.0", L"20,0"},     {L"-0.5", L"-0,5"}, {L"143", L"143"},
        {L"3,6", L"3,6"},   {L"1.5 л", L"1.5 л"},   {L"т.е.", L"т.е."}, {L"1.", L"1."},
        {L".5", L".5"},     {L"1.2.3", L"1.2.3"},   {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Narrow(bound::GridText(c.stored)), Narrow(c.shown)) << Narrow(c.stored);
}

class DataGridTest : public test_support::AppTest {
protected:
    void Open(const std::vector<std::string>& rows, bool readOnly = true)
    {
        std::string sql = "CREATE TABLE t (\"Име\" TEXT, \"Тегло\" REAL, \"Брой\" INTEGER);";
        for (const auto& row : rows)
            sql += "INSERT INTO t VALUES (" + row + ");";
        test_support::MakeDatabase(L"grid.db", sql);
        connection = std::make_unique<data::Connection>(test_support::JetConnectionString(L"grid.db"));
        table = std::make_unique<data::Table>(*connection);
        table->SetTableName(L"t");
        table->Open();
        grid = std::make_unique<bound::DataGrid>(bound::DataGrid::Args{
            .parent = form.Handle(),
            .bounds = {0, 0, 300, 200},
            .columns = {{.field = L"Име", .width = 120}, {.field = L"Тегло", .width = 80, .centred = true}, {.field = L"Брой", .width = 80, .centred = true}},
            .readOnly = readOnly});
        grid->Bind(*table);
        form.Show();
        grid->SetFocus();
    }

    // What a screen reader gets: the list view's own item text.
    std::string Cell(int row, int column)
    {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(grid->Handle(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        return Narrow(text);
    }

    std::vector<std::string> Titles()
    {
        const auto header = reinterpret_cast<HWND>(SendMessageW(grid->Handle(), LVM_GETHEADER, 0, 0));
        std::vector<std::string> titles;
        for (int index = 0; index < static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)); ++index) {
            wchar_t text[256] = {};
            HDITEMW item{};
            item.mask = HDI_TEXT;
            item.pszText = text;
            item.cchTextMax = 256;
            SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
            titles.push_back(Narrow(text));
        }
        return titles;
    }

    int SelectedRow() { return static_cast<int>(SendMessageW(grid->Handle(), LVM_GETNEXTITEM, -1, LVNI_SELECTED)); }

    std::pair<int, int> CurrentCell() { return {grid->CurrentRow(), grid->CurrentColumn()}; }

    ui::Form form{{.caption = L"Решетка", .clientWidth = 320, .clientHeight = 220}};
    std::unique_ptr<data::Connection> connection;
    std::unique_ptr<data::Table> table;
    std::unique_ptr<bound::DataGrid> grid;
};

TEST_F(DataGridTest, ShowsEveryRowInStoredOrderUnderTheFieldTitles)
{
    Open({"'Брашно', 9.8, 130", "'Захар', 12.5, 200", "'Ориз', NULL, 180"});
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Име", "Тегло", "Брой"}));
    ASSERT_EQ(SendMessageW(grid->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
    const std::vector<std::vector<std::string>> expected{{"Брашно", "9,8", "130"}, {"Захар", "12,5", "200"}, {"Ориз", "", "180"}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(Cell(row, column), expected[row][column]) << row << "," << column;
    }
    EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(DataGridTest, CellsAreReadFromTheFileWhenAskedFor)
{
    Open({"'Брашно', 9.8, 130"});
    test_support::RunSql(L"grid.db", "UPDATE t SET \"Име\" = 'Грис'");
    EXPECT_EQ(Cell(0, 0), "Грис");
}

TEST_F(DataGridTest, AnEmptyTableShowsOnlyTheTitles)
{
    Open({});
    EXPECT_EQ(SendMessageW(grid->Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(Titles().size(), 3u);
    EXPECT_EQ(grid->CurrentRow(), -1);
}

TEST_F(DataGridTest, AHundredThousandRowsAreCountedNotCopied)
{
    test_support::MakeDatabase(L"big.db",
                               "CREATE TABLE t (\"Име\" TEXT, \"Тегло\" REAL, \"Брой\" INTEGER);"
                               "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
                               "INSERT INTO t SELECT 'Ред ' || i, i / 10.0, i FROM n;");
    connection = std::make_unique<data::Connection>(test_support::JetConnectionString(L"big.db"));
    table = std::make_unique<data::Table>(*connection);
    table->SetTableName(L"t");
    table->Open();
    grid = std::make_unique<bound::DataGrid>(bound::DataGrid::Args{.parent = form.Handle(), .bounds = {0, 0, 300, 200}, .columns = {{.field = L"Име"}, {.field = L"Тегло"}}});
    grid->Bind(*table);
    EXPECT_EQ(SendMessageW(grid->Handle(), LVM_GETITEMCOUNT, 0, 0), 100000);
    EXPECT_EQ(Cell(99999, 0), "Ред 100000");
    EXPECT_EQ(Cell(99998, 1), "9999,9");
}

TEST_F(DataGridTest, KeysMoveFromCellToCell)
{
    const struct {
        const char* name;
        std::pair<int, int> from;
        WPARAM key;
        bool shift;
        std::pair<int, int> to;
    } cases[] = {
        {"Tab to the next cell", {0, 0}, VK_TAB, false, {0, 1}},
        {"Tab from the last column to the next row", {0, 2}, VK_TAB, false, {1, 0}},
        {"Shift+Tab to the previous cell", {1, 1}, VK_TAB, true, {1, 0}},
        {"Shift+Tab from the first column to the previous row", {1, 0}, VK_TAB, true, {0, 2}},
        {"Right", {1, 0}, VK_RIGHT, false, {1, 1}},
        {"Right stays in the last column", {1, 2}, VK_RIGHT, false, {1, 2}},
        {"Left", {2, 2}, VK_LEFT, false, {2, 1}},
        {"Down keeps the column", {0, 1}, VK_DOWN, false, {1, 1}},
        {"Up", {2, 0}, VK_UP, false, {1, 0}},
    };
    Open({"'a', 1.5, 1", "'b', 2.5, 2", "'c', 3.5, 3"});
    for (const auto& c : cases) {
        table->MoveToPosition(c.from.first);
        while (grid->CurrentColumn() > c.from.second)
            test_support::PressKey(grid->Handle(), VK_LEFT);
        while (grid->CurrentColumn() < c.from.second)
            test_support::PressKey(grid->Handle(), VK_RIGHT);
        ASSERT_EQ(CurrentCell(), c.from) << c.name;
        test_support::PressKey(grid->Handle(), c.key, false, c.shift);
        EXPECT_EQ(CurrentCell(), c.to) << c.name;
        EXPECT_EQ(table->Position(), static_cast<std::size_t>(c.to.first)) << c.name;
        EXPECT_EQ(SelectedRow(), c.to.first) << c.name;
    }
}

TEST_F(DataGridTest, TabLeavesTheGridOnlyFromItsFirstAndLastCells)
{
    Open({"'a', 1.5, 1", "'b', 2.5, 2"});
    const auto wantsTab = [this](bool shift) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        MSG tab{grid->Handle(), WM_KEYDOWN, VK_TAB, 1};
        const bool wants = SendMessageW(grid->Handle(), WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) & DLGC_WANTTAB;
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
        return wants;
    };
    EXPECT_TRUE(wantsTab(false));
    EXPECT_FALSE(wantsTab(true));
    table->MoveToPosition(1);
    test_support::PressKey(grid->Handle(), VK_RIGHT);
    test_support::PressKey(grid->Handle(), VK_RIGHT);
    EXPECT_FALSE(wantsTab(false));
    EXPECT_TRUE(wantsTab(true));
}

TEST_F(DataGridTest, OnAScreenOfAnotherScaleTheColumnsAndTheCellsDrawnInThemGrowAlike)
{
    Open({"'a', 1.5, 1"});
    RECT window;
    GetWindowRect(form.Handle(), &window);
    RECT suggested{window.left, window.top, window.left + (window.right - window.left) * 3 / 2,
                   window.top + (window.bottom - window.top) * 3 / 2};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    std::vector<int> widths;
    for (int column = 0; column < 3; ++column)
        widths.push_back(static_cast<int>(SendMessageW(grid->Handle(), LVM_GETCOLUMNWIDTH, column, 0)));
    EXPECT_EQ(widths, (std::vector<int>{180, 120, 120}));

    // The row drawn as the grid draws it: the line between two cells stands at the end of each
    // column, where the titles end too, not where the columns ended on the first screen.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 440, 30);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTVIEW;
    item.itemID = 0;
    item.hwndItem = grid->Handle();
    item.hDC = dc;
    item.rcItem = {0, 0, 440, 30};
    ASSERT_TRUE(grid->OnDrawItem(item));
    const COLORREF line = GetPixel(dc, 179, 4);
    EXPECT_EQ(line, GetPixel(dc, 299, 4));
    EXPECT_EQ(line, GetPixel(dc, 419, 4));
    EXPECT_NE(line, GetPixel(dc, 119, 4)) << "a line where the first column ended before";
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST_F(DataGridTest, AClickMakesTheCellCurrent)
{
    Open({"'a', 1.5, 1", "'b', 2.5, 2", "'c', 3.5, 3"});
    RECT cell{};
    cell.top = 1;
    cell.left = LVIR_BOUNDS;
    SendMessageW(grid->Handle(), LVM_GETSUBITEMRECT, 2, reinterpret_cast<LPARAM>(&cell));
    const LPARAM point = MAKELPARAM(cell.left + 5, cell.top + 3);
    PostMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(grid->Handle(), WM_LBUTTONUP, 0, point);
    app.ProcessMessages();
    EXPECT_EQ(CurrentCell(), std::make_pair(2, 1));
    EXPECT_EQ(table->Position(), 2u);
}

TEST_F(DataGridTest, FollowsTheTableWhenItMovesOrChanges)
{
    Open({"'a', 1.5, 1", "'b', 2.5, 2", "'c', 3.5, 3"});
    table->MoveToPosition(2);
    EXPECT_EQ(SelectedRow(), 2);
    table->Delete();
    EXPECT_EQ(SendMessageW(grid->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SelectedRow(), 1);
    table->Close();
    EXPECT_EQ(SendMessageW(grid->Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(DataGridTest, CtrlDeleteInAReadOnlyGridDoesNothing)
{
    Open({"'a', 1.5, 1"});
    test_support::PressKey(grid->Handle(), VK_DELETE, true);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(table->RecordCount(), 1u);
}

// Whether a row is drawn with the highlight colour in its second column, away from its text.
bool DrawnHighlighted(bound::DataGrid& grid, int row)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 20);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTVIEW;
    item.itemID = static_cast<UINT>(row);
    item.hwndItem = grid.Handle();
    item.hDC = dc;
    item.rcItem = {0, 0, 280, 18};
    grid.OnDrawItem(item);
    const COLORREF pixel = GetPixel(dc, 123, 2);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixel == GetSysColor(COLOR_HIGHLIGHT);
}

TEST_F(DataGridTest, CtrlDeleteHighlightsTheRowItAsksAboutWhileItAsks)
{
    Open({"'a', 1.5, 1", "'b', 2.5, 2"}, false);
    test_support::PressKey(grid->Handle(), VK_DOWN);
    test_support::PressKey(grid->Handle(), VK_DOWN);
    ASSERT_EQ(grid->CurrentRow(), 1);
    std::vector<std::pair<bool, bool>> seen;  // rows 0 and 1 highlighted while asked
    dialogs.whileShown = [&](const test_support::ShownMessage&) { seen.emplace_back(DrawnHighlighted(*grid, 0), DrawnHighlighted(*grid, 1)); };
    dialogs.messageAnswers = {IDCANCEL};
    test_support::PressKey(grid->Handle(), VK_DELETE, true);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, L"Delete record?");
    EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{false, true}}));
    EXPECT_FALSE(DrawnHighlighted(*grid, 1)) << "the row stays highlighted after the answer";
    EXPECT_EQ(table->RecordCount(), 2u);
}

}
