// A timer that ticks on the user-interface thread, through a hidden window of its own.
#pragma once
#include "ui/hidden_window.h"

#include <functional>

namespace ui {

class Timer {
public:
    // Created disabled.
    explicit Timer(std::function<void()> onTimer, UINT interval = 1000);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    UINT Interval() const { return interval_; }
    HWND Handle() const { return window_.Handle(); }
    static constexpr UINT_PTR kId = 1;

private:
    HiddenWindow window_;
    std::function<void()> onTimer_;
    UINT interval_;
    bool enabled_ = false;
};

}
