// A hidden top-level tool window for components that need one of their own: it receives the
// messages broadcast to all top-level windows, which a message-only window does not, and runs timers.
#pragma once
#include "ui/window.h"

#include <functional>
#include <optional>

namespace ui {

class HiddenWindow : public Window {
public:
    // Returns the message's result, or nullopt to leave the message to the default handling.
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;
    explicit HiddenWindow(Handler handler = {});

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Handler handler_;
};

}
