// The add-recipe window.
#pragma once
#include "ui/form.h"

class TForm4 : public ui::Form {
public:
    TForm4();
};
