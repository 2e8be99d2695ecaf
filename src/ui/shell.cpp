// The real shell: ShellExecute.
#include "ui/shell.h"

#include <windows.h>
#include <shellapi.h>

namespace ui {

void Win32Shell::Open(const std::wstring& address)
{
    ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOW);
}

Shell& SystemShell()
{
    static Win32Shell shell;
    return shell;
}

}
