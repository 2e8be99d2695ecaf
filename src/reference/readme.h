// The readme window.
#pragma once
#include "ui/form.h"

class TForm3 : public ui::Form {
public:
    TForm3();
};
