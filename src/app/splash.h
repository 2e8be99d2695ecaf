// The splash window shown while the program starts.
#pragma once
#include "ui/form.h"
#include "ui/picture.h"

class TForm6 : public ui::Form {
public:
    TForm6();

    static constexpr UINT kTimerInterval = 2000;
    bool TimerEnabled() const { return TimerRunning(kTimerId); }
    void TimerTimer();

    ui::Picture Image1;

private:
    static constexpr UINT_PTR kTimerId = 1;
};
