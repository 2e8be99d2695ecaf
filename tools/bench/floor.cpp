// The benchmark's floor: the least a program must do for what the cookbook's main window does.
// A window with a list, two read-only rich edit views and a status bar, the list and the views in
// the cookbook's font. Command kFill lists one table's names (one query for the rows and their
// names over a memory-mapped connection, list adds with redraw off, each name's width added up from
// the font's character widths read once, the list's sideways extent set once to the widest, the
// status text set once). Selecting an entry (the list's keyboard or mouse) shows that row's two
// texts in the views, read by one query. Command kFind opens the find dialog, whose requests search
// the names kept in memory and select and show the match as a selection does. Command kIndex
// builds the full-text index of every table (the cookbook's schema, one transaction, merged into
// one segment); a change of the edit's text runs the same full-text query the cookbook runs (every
// word as a prefix, name matches best), on the user-interface thread, and lists the first 200
// names in a list view with owner data.
// Usage: bench_floor DATABASE TABLE
#include "bench/protocol.h"

#include <sqlite3.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

struct Floor {
    std::unique_ptr<sqlite3, CloseDatabase> db;
    std::string table;
    HWND window = nullptr;
    HWND list = nullptr;
    HWND products = nullptr;
    HWND method = nullptr;
    HWND status = nullptr;
    HFONT font = nullptr;
    HDC measuring = nullptr;                // a memory DC holding the font, for the widths
    // Advance widths by UTF-16 unit, in pages of 256 made when first needed; -1 until read.
    std::array<std::unique_ptr<std::array<int, 256>>, 256> characterWidths;
    std::vector<sqlite3_int64> rowids;      // of the listed rows, in list order
    Statement texts;                        // the two texts of one row
    HWND dialog = nullptr;
    FINDREPLACEW request{};
    wchar_t findText[256]{};
    std::vector<std::wstring> names;
    int findPos = 0;
    HWND searchWindow = nullptr;
    HWND edit = nullptr;
    HWND results = nullptr;
    std::vector<std::wstring> found;
    std::unique_ptr<sqlite3, CloseDatabase> index;
};

Floor floor_;
const UINT kFindMessage = RegisterWindowMessageW(FINDMSGSTRINGW);

std::wstring Widen(const char* text, int bytes)
{
    std::wstring wide(static_cast<std::size_t>(bytes), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text, bytes, wide.data(), bytes)));
    return wide;
}

// The list box draws a name with the font's advance widths: their sum is the name's width.
int TextWidth(const std::wstring& name)
{
    int width = 0;
    for (const wchar_t character : name) {
        auto& page = floor_.characterWidths[character >> 8];
        if (!page) {
            page = std::make_unique<std::array<int, 256>>();
            page->fill(-1);
        }
        int& known = (*page)[character & 0xFF];
        if (known < 0) {
            INT advance = 0;
            GetCharWidth32W(floor_.measuring, character, character, &advance);
            known = advance;
        }
        width += known;
    }
    return width;
}

void Fill()
{
    SendMessageW(floor_.list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(floor_.list, LB_RESETCONTENT, 0, 0);
    floor_.names.clear();
    floor_.rowids.clear();
    const std::string quoted = "\"" + floor_.table + "\"";
    sqlite3_stmt* prepared = nullptr;
    sqlite3_prepare_v2(floor_.db.get(), ("SELECT rowid, name FROM " + quoted + " ORDER BY rowid").c_str(), -1, &prepared, nullptr);
    const Statement select(prepared);
    int widest = 0;
    while (sqlite3_step(select.get()) == SQLITE_ROW) {
        floor_.rowids.push_back(sqlite3_column_int64(select.get(), 0));
        std::wstring name =
            Widen(reinterpret_cast<const char*>(sqlite3_column_text(select.get(), 1)), sqlite3_column_bytes(select.get(), 1));
        SendMessageW(floor_.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        widest = std::max(widest, TextWidth(name));
        floor_.names.push_back(std::move(name));
    }
    // The cookbook's margin beside the text.
    SendMessageW(floor_.list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 6), 0);
    sqlite3_prepare_v2(floor_.db.get(), ("SELECT Products, Burn FROM " + quoted + " WHERE rowid = ?1").c_str(), -1, &prepared,
                       nullptr);
    floor_.texts.reset(prepared);
    SendMessageW(floor_.list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(floor_.list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
    const std::wstring text = L"Floor: " + std::to_wstring(floor_.names.size()) + L" Рецепти";
    SendMessageW(floor_.status, SB_SETTEXTW, 1 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

// Shows the texts of list entry `index` in the two views.
void Show(int index)
{
    if (index < 0 || index >= static_cast<int>(floor_.rowids.size()))
        return;
    sqlite3_stmt* texts = floor_.texts.get();
    sqlite3_bind_int64(texts, 1, floor_.rowids[static_cast<std::size_t>(index)]);
    if (sqlite3_step(texts) == SQLITE_ROW) {
        for (const auto& [view, column] : {std::pair{floor_.products, 0}, std::pair{floor_.method, 1}}) {
            const std::wstring text =
                Widen(reinterpret_cast<const char*>(sqlite3_column_text(texts, column)), sqlite3_column_bytes(texts, column));
            SetWindowTextW(view, text.c_str());
        }
    }
    sqlite3_reset(texts);
}

std::string Narrow(const std::wstring& text)
{
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
                                                            static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

Statement Prepare(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* prepared = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &prepared, nullptr);
    return Statement(prepared);
}

// The search's own window, made by the first index command as the cookbook opens its search window.
void OpenSearchWindow()
{
    if (floor_.searchWindow)
        return;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    floor_.searchWindow = CreateWindowExW(0, bench::kFloorSearchClass, L"Floor search", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                          656, 479, nullptr, nullptr, instance, nullptr);
    floor_.edit = CreateWindowExW(0, L"EDIT", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 12, 30, 616, 22,
                                  floor_.searchWindow, nullptr, instance, nullptr);
    floor_.results = CreateWindowExW(0, WC_LISTVIEWW, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDATA,
                                     12, 90, 616, 316, floor_.searchWindow, nullptr, instance, nullptr);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 360;
    column.pszText = const_cast<wchar_t*>(L"Рецепта");
    SendMessageW(floor_.results, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    UpdateWindow(floor_.searchWindow);
}

void BuildIndex()
{
    OpenSearchWindow();
    floor_.index.reset();
    DeleteFileW(bench::kFloorIndexFile);
    sqlite3* db = nullptr;
    sqlite3_open_v2(Narrow(bench::kFloorIndexFile).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, CloseDatabase> index(db);
    sqlite3_exec(db,
                 "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;"
                 "CREATE TABLE places (docid INTEGER PRIMARY KEY, tbl TEXT NOT NULL, row INTEGER NOT NULL, ordinal INTEGER NOT NULL);"
                 "CREATE VIRTUAL TABLE recipes USING fts5(name, products, burn, content='', tokenize='unicode61 remove_diacritics 0');"
                 "BEGIN",
                 nullptr, nullptr, nullptr);
    const Statement addWords = Prepare(db, "INSERT INTO recipes (rowid, name, products, burn) VALUES (?1, ?2, ?3, ?4)");
    const Statement addPlace = Prepare(db, "INSERT INTO places (docid, tbl, row, ordinal) VALUES (?1, ?2, ?3, ?4)");
    std::vector<std::string> tables;
    for (const Statement list = Prepare(floor_.db.get(), "SELECT name FROM sqlite_master WHERE type = 'table'");
         sqlite3_step(list.get()) == SQLITE_ROW;)
        tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(list.get(), 0)));
    sqlite3_int64 docid = 0;
    for (const auto& table : tables) {
        const Statement rows = Prepare(floor_.db.get(), "SELECT rowid, name, Products, Burn FROM \"" + table + "\" ORDER BY rowid");
        for (sqlite3_int64 ordinal = 0; sqlite3_step(rows.get()) == SQLITE_ROW; ++ordinal) {
            ++docid;
            sqlite3_bind_int64(addWords.get(), 1, docid);
            for (int column = 1; column <= 3; ++column)
                sqlite3_bind_value(addWords.get(), column + 1, sqlite3_column_value(rows.get(), column));
            sqlite3_step(addWords.get());
            sqlite3_reset(addWords.get());
            sqlite3_bind_int64(addPlace.get(), 1, docid);
            sqlite3_bind_text(addPlace.get(), 2, table.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_int64(addPlace.get(), 3, sqlite3_column_int64(rows.get(), 0));
            sqlite3_bind_int64(addPlace.get(), 4, ordinal);
            sqlite3_step(addPlace.get());
            sqlite3_reset(addPlace.get());
        }
    }
    sqlite3_exec(db, "INSERT INTO recipes (recipes) VALUES ('optimize'); COMMIT", nullptr, nullptr, nullptr);
}

void Search()
{
    if (!floor_.index) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(Narrow(bench::kFloorIndexFile).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        floor_.index.reset(db);
        sqlite3_exec(db, "PRAGMA mmap_size = 268435456", nullptr, nullptr, nullptr);
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(floor_.edit)), L'\0');
    GetWindowTextW(floor_.edit, text.data(), static_cast<int>(text.size()) + 1);
    // Every word as a prefix, all of them required.
    std::wstring expression;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(L' ', at), text.size());
        if (end > at)
            expression += (expression.empty() ? L"(\"" : L" AND (\"") + text.substr(at, end - at) + L"\"*)";
        at = end + 1;
    }
    floor_.found.clear();
    if (!expression.empty()) {
        const Statement search = Prepare(floor_.index.get(),
                                         "SELECT p.tbl, p.row FROM (SELECT rowid AS docid, bm25(recipes, 10.0, 3.0, 1.0) AS score "
                                         "FROM recipes WHERE recipes MATCH ?1 ORDER BY score LIMIT 201) AS h "
                                         "JOIN places AS p ON p.docid = h.docid ORDER BY h.score");
        const std::string utf8 = Narrow(expression);
        sqlite3_bind_text(search.get(), 1, utf8.c_str(), -1, SQLITE_TRANSIENT);
        std::map<std::string, Statement> names;
        while (sqlite3_step(search.get()) == SQLITE_ROW && floor_.found.size() < 200) {
            const std::string table = reinterpret_cast<const char*>(sqlite3_column_text(search.get(), 0));
            auto& name = names[table];
            if (!name)
                name = Prepare(floor_.db.get(), "SELECT name FROM \"" + table + "\" WHERE rowid = ?1");
            sqlite3_bind_int64(name.get(), 1, sqlite3_column_int64(search.get(), 1));
            if (sqlite3_step(name.get()) == SQLITE_ROW)
                floor_.found.push_back(
                    Widen(reinterpret_cast<const char*>(sqlite3_column_text(name.get(), 0)), sqlite3_column_bytes(name.get(), 0)));
            sqlite3_reset(name.get());
        }
    }
    SendMessageW(floor_.results, LVM_SETITEMCOUNT, floor_.found.size(), 0);
    InvalidateRect(floor_.results, nullptr, TRUE);
}

void OpenFind()
{
    floor_.findPos = 0;
    SendMessageW(floor_.list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    if (floor_.dialog)
        return;
    floor_.request = {};
    floor_.request.lStructSize = sizeof floor_.request;
    floor_.request.hwndOwner = floor_.window;
    floor_.request.Flags = FR_DOWN | FR_HIDEUPDOWN | FR_NOUPDOWN;
    floor_.request.lpstrFindWhat = floor_.findText;
    floor_.request.wFindWhatLen = static_cast<WORD>(std::size(floor_.findText));
    floor_.dialog = FindTextW(&floor_.request);
}

void FindNext(const FINDREPLACEW& request)
{
    if (request.Flags & FR_DIALOGTERM) {
        floor_.dialog = nullptr;
        return;
    }
    const std::wstring_view text = request.lpstrFindWhat;
    while (floor_.findPos < static_cast<int>(floor_.names.size())) {
        const std::wstring& entry = floor_.names[static_cast<std::size_t>(floor_.findPos++)];
        if (!text.empty() && entry.find(text) != std::wstring::npos) {
            SendMessageW(floor_.list, LB_SETCURSEL, static_cast<WPARAM>(floor_.findPos - 1), 0);
            Show(floor_.findPos - 1);
            return;
        }
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kFindMessage) {
        FindNext(*reinterpret_cast<const FINDREPLACEW*>(lParam));
        return 0;
    }
    switch (message) {
    case WM_COMMAND:
        if (lParam && reinterpret_cast<HWND>(lParam) == floor_.edit && HIWORD(wParam) == EN_CHANGE)
            Search();
        else if (lParam && reinterpret_cast<HWND>(lParam) == floor_.list && HIWORD(wParam) == LBN_SELCHANGE)
            Show(static_cast<int>(SendMessageW(floor_.list, LB_GETCURSEL, 0, 0)));
        else if (LOWORD(wParam) == bench::kFloorFill)
            Fill();
        else if (LOWORD(wParam) == bench::kFloorFind)
            OpenFind();
        else if (LOWORD(wParam) == bench::kFloorIndex)
            BuildIndex();
        return 0;
    case WM_NOTIFY: {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(lParam);
        if (info->hdr.hwndFrom == floor_.results && info->hdr.code == LVN_GETDISPINFOW && (info->item.mask & LVIF_TEXT) &&
            info->item.iItem < static_cast<int>(floor_.found.size()))
            info->item.pszText = const_cast<wchar_t*>(floor_.found[static_cast<std::size_t>(info->item.iItem)].c_str());
        return 0;
    }
    case WM_DESTROY:
        if (window == floor_.window)
            PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    const std::wstring table = argv[2];
    floor_.table.resize(table.size() * 3);
    floor_.table.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, table.c_str(), static_cast<int>(table.size()),
                                                                     floor_.table.data(), static_cast<int>(floor_.table.size()),
                                                                     nullptr, nullptr)));
    std::string path(MAX_PATH * 3, '\0');
    path.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, path.data(), static_cast<int>(path.size()),
                                                             nullptr, nullptr)) - 1);
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    floor_.db.reset(db);
    if (opened != SQLITE_OK)
        return 3;
    // The same mapping as the cookbook's connections.
    sqlite3_exec(floor_.db.get(), "PRAGMA mmap_size = 268435456", nullptr, nullptr, nullptr);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = bench::kFloorClass;
    RegisterClassW(&windowClass);
    windowClass.lpszClassName = bench::kFloorSearchClass;
    RegisterClassW(&windowClass);
    floor_.window = CreateWindowExW(0, bench::kFloorClass, L"Floor", WS_OVERLAPPEDWINDOW, 0, 0, 770, 540, nullptr, nullptr,
                                    instance, nullptr);
    floor_.list = CreateWindowExW(0, L"LISTBOX", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                  22, 38, 313, 393, floor_.window, nullptr, instance, nullptr);
    // The cookbook's views: rich edit controls showing plain text, read-only, with a scroll bar.
    LoadLibraryW(L"msftedit.dll");
    const auto view = [&](int top, int height) {
        const HWND created = CreateWindowExW(0, MSFTEDIT_CLASS, nullptr,
                                             WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                                             358, top, 377, height, floor_.window, nullptr, instance, nullptr);
        SendMessageW(created, EM_SETTEXTMODE, TM_PLAINTEXT | TM_SINGLELEVELUNDO | TM_SINGLECODEPAGE, 0);
        SendMessageW(created, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        return created;
    };
    floor_.products = view(38, 161);
    floor_.method = view(222, 209);
    // The cookbook's font for the list and the views: "MS Sans Serif" of 11 pixels, drawn in TrueType.
    LOGFONTW font{};
    font.lfHeight = -11;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    wcscpy(font.lfFaceName, L"MS Sans Serif");
    floor_.font = CreateFontIndirectW(&font);
    for (const HWND control : {floor_.list, floor_.products, floor_.method})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(floor_.font), TRUE);
    SendMessageW(floor_.list, LB_SETITEMHEIGHT, 0, 13);
    floor_.measuring = CreateCompatibleDC(nullptr);
    SelectObject(floor_.measuring, floor_.font);
    floor_.status = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, floor_.window, nullptr,
                                    instance, nullptr);
    int panels[] = {205, 515, -1};
    SendMessageW(floor_.status, SB_SETPARTS, std::size(panels), reinterpret_cast<LPARAM>(panels));
    ShowWindow(floor_.window, SW_SHOWNORMAL);
    UpdateWindow(floor_.window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (floor_.dialog && IsDialogMessageW(floor_.dialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
