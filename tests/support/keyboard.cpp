// Key presses through the message loop.
#include "support/keyboard.h"

#include "ui/application.h"

namespace test_support {
namespace {

void SetModifiers(bool control_down, bool shift_down)
{
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = control_down ? 0x80 : 0;
    state[VK_SHIFT] = shift_down ? 0x80 : 0;
    SetKeyboardState(state);
}

}

void PressKey(HWND control, WPARAM key, bool control_down, bool shift_down)
{
    SetFocus(control);
    SetModifiers(control_down, shift_down);
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
    ui::Application::Current().ProcessMessages();
    SetModifiers(false, false);
}

int FirstLineShownAtTheEnd(HWND view)
{
    PressKey(view, VK_END, true);
    return static_cast<int>(SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0));
}

}
