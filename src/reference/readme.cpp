// The readme window.
#include "reference/readme.h"

TForm3::TForm3()
    : ui::Form({.className = L"TForm3", .caption = L"Readme", .clientWidth = 617, .clientHeight = 434, .color = ui::kGrayText})
{
}
