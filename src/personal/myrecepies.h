// The my-recipes window.
#pragma once
#include "ui/form.h"

class TForm5 : public ui::Form {
public:
    TForm5();
};
