// The practical-advice window.
#include "reference/popmenu.h"

TForm2::TForm2()
    : ui::Form({.className = L"TForm2", .caption = L"Практични съвети", .clientWidth = 753, .clientHeight = 453, .color = ui::kGrayText})
{
}
