// The splash window: a picture in a 2-pixel frame and the timer that ends the wait.
#include "app/splash.h"

#include "resource_ids.h"
#include "ui/image.h"

namespace {

constexpr int kFrame = 2;
constexpr int kClientWidth = 405;
constexpr int kClientHeight = 301;

}

TForm6::TForm6()
    : ui::Form({.className = L"TForm6",
                .clientWidth = kClientWidth + 2 * kFrame,
                .clientHeight = kClientHeight + 2 * kFrame,
                .border = ui::Border::None}),
      Image1({.parent = Handle(),
              .bounds = {kFrame, kFrame, kClientWidth, kClientHeight},
              .picture = ui::BitmapResource(IDB_SPLASH)})
{
    StartTimer(kTimerId, kTimerInterval, [this] { TimerTimer(); });
}

void TForm6::TimerTimer()
{
    StopTimer(kTimerId);
}
