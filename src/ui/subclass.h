// Subclassing a standard control: its messages go first to a handler of the object that wraps it.
#pragma once
#include "ui/application.h"

#include <windows.h>

#include <commctrl.h>

namespace ui {

// The procedure to install with SetWindowSubclass(window, &SubclassProcedure<...>, id, object): it
// hands each message to `Handler` of the object, guarded, and takes itself away with the window.
template <typename Owner, LRESULT (Owner::*Handler)(UINT, WPARAM, LPARAM)>
LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR owner)
{
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &SubclassProcedure<Owner, Handler>, id);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return RunGuarded([&] { return (reinterpret_cast<Owner*>(owner)->*Handler)(message, wParam, lParam); });
}

}
