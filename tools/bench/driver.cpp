// The benchmark driver: starts the cookbook and the floor program alternately on prepared program
// folders, drives them from outside as a user would (a menu command, the find dialog, the list's
// keyboard, the search over everything: its index built, a query typed letter by letter, results
// for it on screen, one letter and at once a second) and prints one line per measurement: "PROGRAM SIZE WHAT VALUE". Times are in
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
    // The cookbook's search over everything runs on a thread of its own; the floor's before the
    // edit's change returns. Each in a window of its own, of this class.
    UINT searchCommand = 0;
    std::wstring searchClass;
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

// The Linux file number (inode) of a file; drive Z: hands it over as the file's index.
std::optional<unsigned long long> FileNumber(const std::wstring& path)
{
    Handle file{CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr)};
    BY_HANDLE_FILE_INFORMATION information{};
    if (file.value == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(file.value, &information))
        return std::nullopt;
    return (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
}

// The Linux process that has the program `exe` mapped: the Wine process running it. Its maps name
// the file by its resolved path, which differs from the one given when a folder on the way is a
// symbolic link: the file is known by its number, and by its name for certainty.
std::optional<std::wstring> LinuxProcessOf(const std::wstring& exe)
{
    const auto number = FileNumber(exe);
    if (!number)
        return std::nullopt;
    const std::wstring wideName = exe.substr(exe.find_last_of(L"\\/") + 1);
    std::string name(wideName.size() * 3, '\0');
    name.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wideName.c_str(), static_cast<int>(wideName.size()),
                                                            name.data(), static_cast<int>(name.size()), nullptr, nullptr)));
    const auto mapsImage = [&](const std::string& maps) {
        // Each line: address, permissions, offset, device, file number, path.
        for (std::size_t at = 0; at < maps.size();) {
            const std::size_t end = std::min(maps.find('\n', at), maps.size());
            const std::string line = maps.substr(at, end - at);
            at = end + 1;
            unsigned long long inode = 0;
            int path = 0;
            if (std::sscanf(line.c_str(), "%*s %*s %*s %*s %llu %n", &inode, &path) >= 1 && inode == *number && path > 0 &&
                line.size() >= name.size() + 1 && line.compare(line.size() - name.size() - 1, std::string::npos, "/" + name) == 0)
                return true;
        }
        return false;
    };
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::wstring> found;
    do {
        const std::wstring process = entry.cFileName;
        if (process.empty() || !std::all_of(process.begin(), process.end(), iswdigit))
            continue;
        if (mapsImage(ReadWholeFile(L"Z:\\proc\\" + process + L"\\maps"))) {
            found = process;
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

// Another process's control text is read by asking the control, not with GetWindowText.
std::wstring ControlText(HWND control)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
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
        view_ = ChildOfClass(window_, L"RICHEDIT50W");
        if (!list_ || !view_)
            Fail(L"no list or recipe view in " + exe);
        const auto mapping = LinuxProcessOf(exe);
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
        if (ControlText(view_).empty())
            Fail(L"the selected recipe is not shown");
        Report(program_, size_, "select", Median(times));
        Report(program_, size_, "select_in_view", Median(inView));
    }

    // The find dialog finds the last entry: it is selected and its recipe shown.
    void Find(int repeats, const std::wstring& text, int count)
    {
        std::vector<double> times;
        for (int i = 0; i < repeats; ++i) {
            // Both programs start from the first entry selected and shown, the list at its top.
            Timed(window_, [&] { SendMessageW(list_, WM_KEYDOWN, VK_HOME, 0); });
            const std::wstring before = ControlText(view_);
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
            if (const std::wstring after = ControlText(view_); after.empty() || after == before)
                Fail(L"the find did not show the recipe it found");
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
            while (!(window = WindowOf(process_.dwProcessId, program_.searchClass, true))) {
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
            window = WindowOf(process_.dwProcessId, program_.searchClass, true);
            if (!window)
                Fail(L"no search window");
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

        // One letter and at once a second: the one-letter query, the slowest there is, must give
        // way to the next keystroke. Timed: the longer keystroke, and from the second keystroke to
        // the two-letter query's results on screen. The floor answers before a keystroke returns;
        // the cookbook says it is searching at each keystroke and replaces that with what it found,
        // and only the newest query's answer is shown: a change of its texts after the second
        // keystroke is that answer (the first query's answer may have been shown before it, with
        // the same words).
        const auto texts = [&] {
            std::vector<std::wstring> all;
            for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                if (wchar_t name[32]{}; GetClassNameW(child, name, 32) && _wcsicmp(name, L"Static") == 0)
                    all.push_back(ControlText(child));
            return all;
        };
        std::vector<double> keystrokes;
        std::vector<double> answers;
        for (int i = 0; i < repeats; ++i) {
            type(L"щщщщщ");
            waitFor([&] { return count() == 0; });
            Sleep(100);
            const double first = type(text.substr(0, 1));
            // The texts are read at once after the keystroke: the program answers a message sent
            // to it before it takes the answer its search thread posts.
            const std::wstring letters = text.substr(0, 2);
            const double from = Now();
            SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(letters.c_str()));
            const auto searching = texts();
            Paint(window);
            const double second = Now() - from;
            if (program_.searchCommand)
                waitFor([&] { return texts() != searching && count() > 0; });
            Paint(window);
            answers.push_back(Now() - from);
            keystrokes.push_back(std::max(first, second));
        }
        Report(program_, size_, "two_letters_keystroke", Median(keystrokes));
        Report(program_, size_, "two_letters_results", Median(answers));
    }

private:
    const Program& program_;
    std::wstring size_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    HWND view_ = nullptr;  // the first recipe view
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
                          static_cast<UINT>(_wtoi(argv[4])), static_cast<double>(_wtoi(argv[8])),
                          static_cast<UINT>(_wtoi(argv[5])), L"TForm7"};
    const Program floor{L"floor", L"bench_floor.exe", L"Data\\pelnor_recepies.rec Пролет", bench::kFloorClass,
                        bench::kFloorFill, bench::kFloorFind, 0, 0, bench::kFloorSearchClass};
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
