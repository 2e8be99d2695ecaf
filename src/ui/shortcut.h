// Keyboard shortcuts of commands: a key with the exact set of Ctrl, Shift and Alt held.
#pragma once
#include <windows.h>

namespace ui {

enum Modifiers : unsigned { kNoModifier = 0, kCtrl = 1, kShift = 2, kAlt = 4 };

struct Shortcut {
    UINT key = 0;  // virtual-key code
    unsigned modifiers = kNoModifier;
};

// The modifiers held now, as the keyboard state of the user-interface thread tells them.
unsigned HeldModifiers();
// True when `message` presses the shortcut's key with exactly its modifiers held: Ctrl+F is not
// Ctrl+Shift+F.
bool Matches(const Shortcut& shortcut, const MSG& message);

}
