// Turns a stored colour value into the colour to draw with.
#include "ui/color.h"

namespace ui {

COLORREF Color::Resolve() const
{
    const auto bits = static_cast<std::uint32_t>(value);
    if ((bits >> 24) == 0xFF)
        return GetSysColor(static_cast<int>(bits & 0xFF));
    return bits & 0x00FFFFFF;
}

}
