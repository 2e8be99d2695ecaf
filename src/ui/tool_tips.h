// Hints shown as tool tips when the mouse rests on a control or picture.
#pragma once
#include "ui/gdi.h"

#include <string>

namespace ui {

class ToolTips {
public:
    struct Args {
        HWND owner = nullptr;  // the window whose controls get hints
    };
    explicit ToolTips(const Args& args);

    // Shows `hint` over `tool` (a control or any child window of the owner).
    void Add(HWND tool, const std::wstring& hint);
    // The hint given for `tool`; empty when it has none.
    std::wstring HintOf(HWND tool) const;

private:
    HWND owner_;
    WindowHandle window_;
};

}
