// The readme window: the program's readme text, read again at every showing.
#pragma once
#include "ui/controls.h"
#include "ui/font.h"
#include "ui/form.h"

class TForm3 : public ui::Form {
public:
    TForm3();

    ui::TextView Memo1;

protected:
    void FormActivate() override;

private:
    ui::FontHandle memoFont_;
};
