// Hidden top-level tool windows.
#include "ui/hidden_window.h"

namespace ui {

HiddenWindow::HiddenWindow(Handler handler) : handler_(std::move(handler))
{
    CreateArgs args;
    args.className = L"VelmoraHiddenWindow";
    args.style = WS_POPUP;
    args.exStyle = WS_EX_TOOLWINDOW;
    Create(args);
}

LRESULT HiddenWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (handler_) {
        if (const auto result = handler_(message, wParam, lParam))
            return *result;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}
