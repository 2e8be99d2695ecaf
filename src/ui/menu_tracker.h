// Showing a popup menu and waiting for the user's choice, behind an interface tests replace.
#pragma once
#include <windows.h>

namespace ui {

class MenuTracker {
public:
    virtual ~MenuTracker() = default;
    // Shows the menu at a screen point for the owner window and returns when it has closed:
    // the chosen item's ID, or 0 when the menu was closed without a choice.
    virtual UINT Track(HMENU menu, HWND owner, POINT at) = 0;
};

class Win32MenuTracker final : public MenuTracker {
public:
    UINT Track(HMENU menu, HWND owner, POINT at) override;
};

}
