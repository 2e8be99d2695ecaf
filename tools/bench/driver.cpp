// The benchmark driver: starts the cookbook and the floor program alternately on prepared program
// folders, drives them from outside as a user would (a menu command, the find dialog, the list's
// keyboard, the search over everything: its index built, a query typed letter by letter, results
// for it on screen) and prints one line per measurement: "PROGRAM SIZE WHAT VALUE". Times are in
// milliseconds, from sending the request to the window being painted; memory in MiB, read from
// the Linux side of the Wine process (/proc through drive Z:).
// Usage: bench_driver ROUNDS REPEATS FILL_ID FIND_ID SEARCH_ID FIND_TEXT SEARCH_TEXT SPLASH_MS FOLDER...
// where each FOLDER holds velmora.exe, bench_floor.exe and Data\pelnor_recepies.rec, and is named
// after the number of recipes its filled category has (e.g. ...\n100000).
#include "bench/protocol.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

struct Handle {
    HANDLE value = nullptr;
    ~Handle()
    {
        if (value && value != INVALID_HANDLE_VALUE)
            CloseHandle(value);
    }
};

struct Program {
    std::wstring name;       // as printed
    std::wstring exe;        // file name in the folder
    std::wstring arguments;  // after the program's path
    std::wstring windowClass;
    UINT fillCommand = 0;
    UINT findCommand = 0;
    double startOffsetMs = 0;  // subtracted from the start time (the cookbook's splash)
    bool selects = false;
    // The cookbook's search over everything runs in a window of its own, on a thread of its own;
    // the floor's in its main window, before the edit's change returns.
    UINT searchCommand = 0;
};

struct Options {
    int rounds = 0;
    int repeats = 0;
    std::wstring findText;
    std::wstring searchText;
    std::vector<std::wstring> folders;
};

double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / frequency;
}

void Report(const Program& program, const std::wstring& size, const char* what, double value)
{
    std::printf("%ls %ls %s %.3f\n", program.name.c_str(), size.c_str(), what, value);
    std::fflush(stdout);
}

[[noreturn]] void Fail(const std::wstring& what)
{
    std::fprintf(stderr, "bench_driver: %ls\n", what.c_str());
    std::exit(1);
}

struct WindowSearch {
    DWORD process = 0;  // 0: any
    std::wstring windowClass;
    bool visibleOnly = false;
    HWND found = nullptr;
};

BOOL CALLBACK Inspect(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    if ((search.process == 0 || owner == search.process) && _wcsicmp(search.windowClass.c_str(), name) == 0 &&
        (!search.visibleOnly || IsWindowVisible(window))) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// The top-level window of class `windowClass` that belongs to `process`.
HWND WindowOf(DWORD process, const std::wstring& windowClass, bool visibleOnly)
{
    WindowSearch search{process, windowClass, visibleOnly};
    EnumWindows(Inspect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildOfClass(HWND parent, const wchar_t* windowClass)
{
    WindowSearch search{0, windowClass};
    EnumChildWindows(parent, Inspect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ReadWholeFile(const std::wstring& path)
{
    Handle file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr)};
    if (file.value == INVALID_HANDLE_VALUE)
        return {};
    std::string text;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.value, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    return text;
}

// The Linux process that has `image` (a Linux path) mapped: the Wine process running it.
std::optional<std::wstring> LinuxProcessOf(const std::string& image)
{
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::wstring> found;
    do {
        const std::wstring name = entry.cFileName;
        if (name.empty() || !std::all_of(name.begin(), name.end(), iswdigit))
            continue;
        if (ReadWholeFile(L"Z:\\proc\\" + name + L"\\maps").find(image) != std::string::npos) {
            found = name;
            break;
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

// Resident memory in MiB: all of it, and the private (anonymous) part.
std::pair<double, double> MemoryOf(const std::wstring& linuxProcess)
{
    const std::string status = ReadWholeFile(L"Z:\\proc\\" + linuxProcess + L"\\status");
    const auto field = [&](const char* name) {
        const std::size_t at = status.find(name);
        return at == std::string::npos ? -1.0 : std::atof(status.c_str() + at + std::strlen(name)) / 1024.0;
    };
    return {field("VmRSS:"), field("RssAnon:")};
}

std::string LinuxPath(const std::wstring& windowsPath)
{
    std::wstring full(MAX_PATH, L'\0');
    full.resize(GetFullPathNameW(windowsPath.c_str(), MAX_PATH, full.data(), nullptr));
    // Drive Z: is the Linux root.
    if (full.size() < 2 || std::towupper(full[0]) != L'Z')
        Fail(L"the program folders must be reached through drive Z: " + full);
    std::string path;
    for (std::size_t i = 2; i < full.size(); ++i) {
        const wchar_t c = full[i] == L'\\' ? L'/' : full[i];
        char utf8[8];
        const int n = WideCharToMultiByte(CP_UTF8, 0, &c, 1, utf8, sizeof utf8, nullptr, nullptr);
        path.append(utf8, static_cast<std::size_t>(n));
    }
    return path;
}

// Makes the program paint whatever it has left to paint, and waits until it has.
void Paint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

double Timed(HWND window, const std::function<void()>& request)
{
    const double start = Now();
    request();
    Paint(window);
    return Now() - start;
}

void Command(HWND window, UINT id)
{
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class Run {
public:
    Run(const Program& program, const std::wstring& folder, const std::wstring& size) : program_(program), size_(size)
    {
        const std::wstring exe = folder + L"\\" + program.exe;
        std::wstring commandLine = L"\"" + exe + L"\" " + program.arguments;
        STARTUPINFOW startup{sizeof startup};
        const double start = Now();
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                            &process_))
            Fail(L"cannot start " + exe);
        while (!(window_ = WindowOf(process_.dwProcessId, program.windowClass, true))) {
            if (Now() - start > 60000)
                Fail(L"no window from " + exe);
            Sleep(2);
        }
        Paint(window_);
        Report(program_, size_, "start", Now() - start - program.startOffsetMs);
        list_ = ChildOfClass(window_, L"ListBox");
        if (!list_)
            Fail(L"no list in " + exe);
        const auto mapping = LinuxProcessOf(LinuxPath(exe));
        if (!mapping)
            Fail(L"no Linux process maps " + exe);
        linuxProcess_ = *mapping;
    }

    ~Run()
    {
        if (HWND dialog = WindowOf(process_.dwProcessId, L"#32770", false))
            SendMessageW(dialog, WM_CLOSE, 0, 0);
        PostMessageW(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    void Memory(const char* rss, const char* own)
    {
        const auto [all, anonymous] = MemoryOf(linuxProcess_);
        Report(program_, size_, rss, all);
        Report(program_, size_, own, anonymous);
    }

    int Fill(int repeats)
    {
        std::vector<double> times;
        for (int i = 0; i < repeats; ++i)
            times.push_back(Timed(window_, [&] { Command(window_, program_.fillCommand); }));
        Report(program_, size_, "fill", Median(times));
        return static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
    }

    // The list's keyboard selects the first and the last entry, as the Home and End keys do, which
    // scrolls the list; then the entry above the last, already in view, as the Up key does.
    void Select(int repeats, int count)
    {
        std::vector<double> times;
        std::vector<double> inView;
        for (int i = 0; i < repeats; ++i) {
            Timed(window_, [&] { SendMessageW(list_, WM_KEYDOWN, VK_HOME, 0); });
            times.push_back(Timed(window_, [&] { SendMessageW(list_, WM_KEYDOWN, VK_END, 0); }));
            if (SendMessageW(list_, LB_GETCURSEL, 0, 0) != count - 1)
                Fail(L"the last entry is not selected");
            inView.push_back(Timed(window_, [&] { SendMessageW(list_, WM_KEYDOWN, VK_UP, 0); }));
            if (SendMessageW(list_, LB_GETCURSEL, 0, 0) != count - 2)
                Fail(L"the entry above the last is not selected");
        }
        // Another process's control text is read by asking the control, not with GetWindowText.
        if (HWND view = ChildOfClass(window_, L"RICHEDIT50W"); !view || SendMessageW(view, WM_GETTEXTLENGTH, 0, 0) == 0)
            Fail(L"the selected recipe is not shown");
        Report(program_, size_, "select", Median(times));
        Report(program_, size_, "select_in_view", Median(inView));
    }

    void Find(int repeats, const std::wstring& text, int count)
    {
        std::vector<double> times;
        for (int i = 0; i < repeats; ++i) {
            // Both programs start from a list scrolled to its top.
            Timed(window_, [&] { SendMessageW(list_, LB_SETTOPINDEX, 0, 0); });
            Command(window_, program_.findCommand);
            const HWND dialog = WindowOf(process_.dwProcessId, L"#32770", true);
            if (!dialog)
                Fail(L"no find dialog");
            SetDlgItemTextW(dialog, edt1, text.c_str());
            const HWND button = GetDlgItem(dialog, IDOK);
            times.push_back(Timed(window_, [&] {
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(button));
            }));
            if (SendMessageW(list_, LB_GETCURSEL, 0, 0) != count - 1)
                Fail(L"the find did not reach the last entry");
        }
        Report(program_, size_, "find", Median(times));
    }

    // Builds the search index (the cookbook: opening the search window on a catalogue without one,
    // until its progress bar goes; the floor: its index command), types the query letter by letter
    // timing each keystroke, then times the query from a changed field to its results on screen.
    void Search(int repeats, const std::wstring& folder, const std::wstring& text)
    {
        HWND window = window_;
        const double start = Now();
        if (program_.searchCommand) {
            DeleteFileW((folder + L"\\Data\\pelnor_recepies.idx").c_str());
            Command(window_, program_.searchCommand);
            while (!(window = WindowOf(process_.dwProcessId, L"TForm7", true))) {
                if (Now() - start > 10000)
                    Fail(L"no search window");
                Sleep(1);
            }
            const HWND progress = ChildOfClass(window, PROGRESS_CLASSW);
            std::set<LRESULT> positions;
            bool shown = false;
            while (true) {
                if (IsWindowVisible(progress)) {
                    shown = true;
                    positions.insert(SendMessageW(progress, PBM_GETPOS, 0, 0));
                } else if (shown || Now() - start > 10000) {
                    break;
                }
                if (Now() - start > 900000)
                    Fail(L"the index build did not end");
                Sleep(20);
            }
            if (!shown)
                Fail(L"no progress bar while the index was built");
            Paint(window);
            Report(program_, size_, "index", Now() - start);
            Report(program_, size_, "index_steps", static_cast<double>(positions.size()));
        } else {
            DeleteFileW((folder + L"\\" + bench::kFloorIndexFile).c_str());
            Report(program_, size_, "index", Timed(window_, [&] { Command(window_, bench::kFloorIndex); }));
        }
        const HWND edit = ChildOfClass(window, L"Edit");
        const HWND results = ChildOfClass(window, WC_LISTVIEWW);
        if (!edit || !results)
            Fail(L"no search field or results");
        const auto count = [&] { return SendMessageW(results, LVM_GETITEMCOUNT, 0, 0); };
        const auto type = [&](const std::wstring& typed) {
            return Timed(window, [&] { SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str())); });
        };
        const auto waitFor = [&](const auto& done) {
            const double from = Now();
            while (!done()) {
                if (Now() - from > 60000)
                    Fail(L"no search results in time");
                // Each look is a message to the program: not so often that the looks slow it down.
                Sleep(2);
            }
        };
        double longest = 0;
        for (std::size_t letters = 1; letters <= text.size(); ++letters)
            longest = std::max(longest, type(text.substr(0, letters)));
        waitFor([&] { return count() > 0; });
        Report(program_, size_, "keystroke", longest);
        std::vector<double> times;
        for (int i = 0; i < repeats; ++i) {
            type(L"щщщщщ");
            waitFor([&] { return count() == 0; });
            Sleep(100);
            const double from = Now();
            type(text);
            waitFor([&] { return count() > 0; });
            Paint(window);
            times.push_back(Now() - from);
        }
        Report(program_, size_, "search", Median(times));
    }

private:
    const Program& program_;
    std::wstring size_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    std::wstring linuxProcess_;
};

void Measure(const Program& program, const std::wstring& folder, const Options& options)
{
    const std::wstring size = folder.substr(folder.find_last_of(L"\\/") + 2);
    Run run(program, folder, size);
    Sleep(500);
    run.Memory("idle_rss", "idle_private");
    const int count = run.Fill(options.repeats);
    if (std::to_wstring(count) != size)
        Fail(program.name + L" listed " + std::to_wstring(count) + L" entries, not " + size);
    if (program.selects)
        run.Select(options.repeats, count);
    run.Find(options.repeats, options.findText, count);
    run.Memory("rss", "private");
    run.Search(options.repeats, folder, options.searchText);
    Sleep(500);
    run.Memory("search_rss", "search_private");
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 10) {
        std::fprintf(stderr,
                     "usage: bench_driver ROUNDS REPEATS FILL_ID FIND_ID SEARCH_ID FIND_TEXT SEARCH_TEXT SPLASH_MS FOLDER...\n");
        return 2;
    }
    Options options{_wtoi(argv[1]), _wtoi(argv[2]), argv[6], argv[7], {argv + 9, argv + argc}};
    const Program velmora{L"velmora", L"velmora.exe", L"", L"TForm1", static_cast<UINT>(_wtoi(argv[3])),
                          static_cast<UINT>(_wtoi(argv[4])), static_cast<double>(_wtoi(argv[8])), true,
                          static_cast<UINT>(_wtoi(argv[5]))};
    const Program floor{L"floor", L"bench_floor.exe", L"Data\\pelnor_recepies.rec Пролет", bench::kFloorClass,
                        bench::kFloorFill, bench::kFloorFind, 0, false, 0};
    for (int round = 0; round < options.rounds; ++round) {
        for (const auto& folder : options.folders) {
            // Alternate which program goes first, so neither always meets a cooler cache.
            const bool velmoraFirst = round % 2 == 0;
            Measure(velmoraFirst ? velmora : floor, folder, options);
            Measure(velmoraFirst ? floor : velmora, folder, options);
        }
    }
    return 0;
}
