// The program's entry: runs the start-up sequence with the show command it was started with.
#include "app/startup.h"
#include "ui/dialogs.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    ui::Win32Dialogs dialogs;
    ui::Application app(dialogs);
    return RunProgram(app, showCommand);
}
