// Typing in the program's windows as the user does.
#pragma once
#include <windows.h>

namespace test_support {

// Presses a key in a control with Ctrl and Shift held or not: the control gets the focus, the
// key state is set and the key goes through the application's message loop.
void PressKey(HWND control, WPARAM key, bool control_down = false, bool shift_down = false);

// Presses Ctrl+End in a text view and answers the first line it then shows: 0 when the text fits
// or the view cannot scroll.
int FirstLineShownAtTheEnd(HWND view);

}
