// The real shell services of the tray icon.
#include "components/sx_tray_icon_shell.h"

namespace components {

Win32TrayShell& Win32TrayShell::Instance()
{
    static Win32TrayShell shell;
    return shell;
}

bool Win32TrayShell::NotifyIcon(DWORD request, const NOTIFYICONDATAW& record)
{
    // The shell only reads the record; the API's prototype is not const.
    NOTIFYICONDATAW copy = record;
    return Shell_NotifyIconW(request, &copy) != FALSE;
}

bool Win32TrayShell::ProbeDllVersion(const wchar_t* library, DLLVERSIONINFO& version)
{
    HMODULE module = LoadLibraryW(library);
    if (!module)
        return false;
    bool success = false;
    if (auto get = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")))) {
        version.cbSize = sizeof version;
        success = SUCCEEDED(get(&version));
    }
    FreeLibrary(module);
    return success;
}

void Win32TrayShell::SetForegroundWindow(HWND window)
{
    ::SetForegroundWindow(window);
}

}
