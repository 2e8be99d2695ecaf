// The About box.
#pragma once
#include "ui/form.h"

class TAboutBox : public ui::Form {
public:
    TAboutBox();
};
