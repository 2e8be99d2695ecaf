// Fonts by face name and pixel height, the way the window designs describe them.
#pragma once
#include "ui/gdi.h"

#include <string>

namespace ui {

struct FontSpec {
    std::wstring name = L"MS Sans Serif";
    int height = -11;  // pixels; negative: character height without internal leading
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

FontHandle CreateFontHandle(const FontSpec& spec);

// Points and pixel heights convert through the screen's pixels per inch.
int ScreenPixelsPerInch();
int SizeFromHeight(int height);
int HeightFromSize(int size);

}
