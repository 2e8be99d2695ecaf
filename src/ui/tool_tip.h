// Hints: a tooltip that shows a text while the pointer rests on one of the controls it knows.
#pragma once
#include "ui/gdi.h"

#include <string>

namespace ui {

class ToolTip {
public:
    struct Args {
        HWND owner = nullptr;  // the form the hints belong to
    };
    explicit ToolTip(const Args& args);

    // The control must take mouse input (a label with a click handler does).
    void Add(HWND control, const std::wstring& text);
    // The hint of a control, as the tooltip would show it; empty for an unknown control.
    std::wstring TextOf(HWND control) const;

private:
    WindowHandle window_;
};

}
