// Fonts by face name and pixel height, the way the window designs describe them.
#pragma once
#include "ui/dpi.h"
#include "ui/gdi.h"

#include <string>

namespace ui {

struct FontSpec {
    std::wstring name = L"MS Sans Serif";
    int height = -11;  // pixels at 96 dpi; negative: character height without internal leading
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

// The font at `dpi`: its height grows with the screen's scale. The bitmap face "MS Sans Serif" of the
// window designs has only a few sizes and no smoothing: it is drawn with the TrueType face that
// stands in for it.
FontHandle CreateFontHandle(const FontSpec& spec, int dpi = SystemDpi());

int ScreenPixelsPerInch();
// Points and heights at 96 dpi convert as on a 96 dpi screen: a font of 8 points is 11 pixels high
// there, and as many points on every screen.
int SizeFromHeight(int height);
int HeightFromSize(int size);

}
