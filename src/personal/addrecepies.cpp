// The add-recipe window.
#include "personal/addrecepies.h"

TForm4::TForm4()
    : ui::Form({.className = L"TForm4", .caption = L"Добави Рецепта", .clientWidth = 667, .clientHeight = 362, .color = ui::kGrayText})
{
}
