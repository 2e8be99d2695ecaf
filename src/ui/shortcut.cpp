// Matching key messages against shortcuts.
#include "ui/shortcut.h"

namespace ui {

unsigned HeldModifiers()
{
    const auto down = [](int key) { return GetKeyState(key) < 0; };
    return (down(VK_CONTROL) ? kCtrl : 0u) | (down(VK_SHIFT) ? kShift : 0u) | (down(VK_MENU) ? kAlt : 0u);
}

bool Matches(const Shortcut& shortcut, const MSG& message)
{
    // With Alt held a key arrives as a system key.
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    return keyDown && message.wParam == shortcut.key && HeldModifiers() == shortcut.modifiers;
}

}
