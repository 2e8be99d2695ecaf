// Font creation and the point/pixel conversions.
#include "ui/font.h"

#include <cmath>
#include <string_view>

namespace ui {
namespace {

int CALLBACK NoteTrueType(const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM found)
{
    if (!(type & TRUETYPE_FONTTYPE))
        return 1;
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool HasTrueTypeFace(const wchar_t* face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wstring_view(face).copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, &NoteTrueType, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

constexpr std::wstring_view kBitmapFace = L"MS Sans Serif";

// Windows draws "MS Sans Serif" text in TrueType with "Microsoft Sans Serif", made to its measures;
// Wine has a TrueType "MS Sans Serif" of its own; Tahoma is the last resort.
std::wstring DrawnFace(const std::wstring& name)
{
    if (name != kBitmapFace)
        return name;
    static const std::wstring standIn = HasTrueTypeFace(L"Microsoft Sans Serif") ? L"Microsoft Sans Serif"
                                        : HasTrueTypeFace(L"MS Sans Serif")      ? L"MS Sans Serif"
                                                                                 : L"Tahoma";
    return standIn;
}

}

FontHandle CreateFontHandle(const FontSpec& spec, int dpi)
{
    LOGFONTW font{};
    font.lfHeight = Scaled(spec.height, dpi);
    font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    // The bitmap face's own pictures are never taken, even where its stand-in has its name.
    if (spec.name == kBitmapFace)
        font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    DrawnFace(spec.name).copy(font.lfFaceName, LF_FACESIZE - 1);
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
    return static_cast<int>(std::lround(-static_cast<double>(height) * 72.0 / kDesignDpi));
}

int HeightFromSize(int size)
{
    return -MulDiv(size, kDesignDpi, 72);
}

}
