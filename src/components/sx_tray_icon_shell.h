// The shell services the tray icon uses, behind an interface tests replace with a recording double.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

namespace components {

class TrayShell {
public:
    virtual ~TrayShell() = default;
    // Shell_NotifyIconW: NIM_ADD, NIM_MODIFY or NIM_DELETE with the record; only cbSize bytes are read.
    virtual bool NotifyIcon(DWORD request, const NOTIFYICONDATAW& record) = 0;
    // The library's DllGetVersion into `version`; false when the library, the function or the call fails.
    virtual bool ProbeDllVersion(const wchar_t* library, DLLVERSIONINFO& version) = 0;
    virtual void SetForegroundWindow(HWND window) = 0;
};

class Win32TrayShell final : public TrayShell {
public:
    static Win32TrayShell& Instance();

    bool NotifyIcon(DWORD request, const NOTIFYICONDATAW& record) override;
    bool ProbeDllVersion(const wchar_t* library, DLLVERSIONINFO& version) override;
    void SetForegroundWindow(HWND window) override;
};

}
