// Waits for a window of the running program to be shown, or asks it to close; used by the run
// script to prove a headless start. Usage: window_probe DESKTOP wait|close CLASS [SECONDS]
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4)
        return 2;
    const bool close = std::wcscmp(argv[2], L"close") == 0;
    const int seconds = argc > 4 ? _wtoi(argv[4]) : 60;
    // The program runs in a virtual desktop of its own; windows are found only from inside it.
    HDESK desktop = nullptr;
    for (int tick = 0; tick < seconds * 10; ++tick) {
        if (!desktop) {
            desktop = OpenDesktopW(argv[1], 0, FALSE, GENERIC_ALL);
            if (desktop)
                SetThreadDesktop(desktop);
        }
        HWND window = desktop ? FindWindowW(argv[3], nullptr) : nullptr;
        if (window && (close || IsWindowVisible(window))) {
            if (close)
                PostMessageW(window, WM_CLOSE, 0, 0);
            return 0;
        }
        Sleep(100);
    }
    return 1;
}
