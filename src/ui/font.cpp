// Font creation and the point/pixel conversions.
#include "ui/font.h"

#include <cmath>

namespace ui {

FontHandle CreateFontHandle(const FontSpec& spec)
{
    LOGFONTW font{};
    font.lfHeight = spec.height;
    font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    spec.name.copy(font.lfFaceName, LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&font));
}

int ScreenPixelsPerInch()
{
    HDC screen = GetDC(nullptr);
    const int ppi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return ppi;
}

int SizeFromHeight(int height)
{
    // Negated as a double: the most negative int has no positive counterpart.
    return static_cast<int>(std::lround(-static_cast<double>(height) * 72.0 / ScreenPixelsPerInch()));
}

int HeightFromSize(int size)
{
    return -MulDiv(size, ScreenPixelsPerInch(), 72);
}

}
