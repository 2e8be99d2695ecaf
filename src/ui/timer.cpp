// Timers on hidden windows.
#include "ui/timer.h"

namespace ui {

Timer::Timer(std::function<void()> onTimer, UINT interval) : onTimer_(std::move(onTimer)), interval_(interval) {}

void Timer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled)
        window_.StartTimer(kId, interval_, [this] { onTimer_(); });
    else
        window_.StopTimer(kId);
}

}
