// The benchmark's floor: the least a program must do for what the cookbook's main window does.
// A window with a list and a status bar; command kFill lists one table's names (a name-only query
// over a memory-mapped connection, list adds with redraw off, the status text set once), command
// kFind opens the find dialog, whose requests search the names kept in memory.
// Usage: bench_floor DATABASE TABLE
#include "bench/protocol.h"

#include <sqlite3.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

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

struct Floor {
    std::unique_ptr<sqlite3, CloseDatabase> db;
    std::string table;
    HWND window = nullptr;
    HWND list = nullptr;
    HWND status = nullptr;
    HWND dialog = nullptr;
    FINDREPLACEW request{};
    wchar_t findText[256]{};
    std::vector<std::wstring> names;
    int findPos = 0;
};

Floor floor_;
const UINT kFindMessage = RegisterWindowMessageW(FINDMSGSTRINGW);

std::wstring Widen(const char* text, int bytes)
{
    std::wstring wide(static_cast<std::size_t>(bytes), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text, bytes, wide.data(), bytes)));
    return wide;
}

void Fill()
{
    SendMessageW(floor_.list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(floor_.list, LB_RESETCONTENT, 0, 0);
    floor_.names.clear();
    const std::string sql = "SELECT name FROM \"" + floor_.table + "\"";
    sqlite3_stmt* prepared = nullptr;
    sqlite3_prepare_v2(floor_.db.get(), sql.c_str(), -1, &prepared, nullptr);
    const std::unique_ptr<sqlite3_stmt, FinalizeStatement> select(prepared);
    while (sqlite3_step(select.get()) == SQLITE_ROW) {
        std::wstring name =
            Widen(reinterpret_cast<const char*>(sqlite3_column_text(select.get(), 0)), sqlite3_column_bytes(select.get(), 0));
        SendMessageW(floor_.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        floor_.names.push_back(std::move(name));
    }
    SendMessageW(floor_.list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(floor_.list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
    const std::wstring text = L"Floor: " + std::to_wstring(floor_.names.size()) + L" Рецепти";
    SendMessageW(floor_.status, SB_SETTEXTW, 1 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
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
        if (LOWORD(wParam) == bench::kFloorFill)
            Fill();
        else if (LOWORD(wParam) == bench::kFloorFind)
            OpenFind();
        return 0;
    case WM_DESTROY:
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

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = bench::kFloorClass;
    RegisterClassW(&windowClass);
    floor_.window = CreateWindowExW(0, bench::kFloorClass, L"Floor", WS_OVERLAPPEDWINDOW, 0, 0, 770, 540, nullptr, nullptr,
                                    instance, nullptr);
    floor_.list = CreateWindowExW(0, L"LISTBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                  22, 38, 313, 393, floor_.window, nullptr, instance, nullptr);
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
