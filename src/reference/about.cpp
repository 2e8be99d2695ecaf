// The About box.
#include "reference/about.h"

TAboutBox::TAboutBox()
    : ui::Form({.className = L"TAboutBox",
                .caption = L"Инфо за Велмора XP",
                .clientWidth = 370,
                .clientHeight = 273,
                .border = ui::Border::Dialog,
                .color = ui::kGrayText})
{
}
