// The my-recipes window.
#include "personal/myrecepies.h"

TForm5::TForm5() : ui::Form({.className = L"TForm5", .caption = L"Моите Рецепти", .clientWidth = 762, .clientHeight = 446})
{
}
