// The practical-advice window.
#pragma once
#include "ui/form.h"

class TForm2 : public ui::Form {
public:
    TForm2();
};
