// Pictures from the executable's resources: JPEG (decoded with libjpeg) and BMP.
#pragma once
#include "ui/dpi.h"
#include "ui/gdi.h"

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <vector>

namespace ui {

// A 24-bit top-down bitmap; an error when the data is not a readable JPEG.
Bitmap DecodeJpeg(std::span<const std::uint8_t> data);
std::span<const std::uint8_t> ResourceData(int id, const wchar_t* type);
Bitmap LoadJpegResource(int id);
Bitmap LoadBitmapResource(int id);

// A picture read only when it is first needed: a window that is never shown never holds its pixels.
using PictureSource = std::function<Bitmap()>;
PictureSource JpegResource(int id);
PictureSource BitmapResource(int id);

// The pictures of a menu's items, cut from one strip of 16 x 16 pictures with alpha. A menu on a
// scaled screen is taller: there the pictures grow with it, smoothed.
class MenuPictures {
public:
    explicit MenuPictures(int bitmapResource);
    int Count() const { return static_cast<int>(drawn_.size()); }
    // An opaque bitmap for menu items on the menu colour, at the size of a `dpi` screen's menus;
    // nullptr for an index outside the list. The list keeps the bitmaps of every dpi asked for
    // while it lives, so that a menu showing them never holds a freed one.
    HBITMAP MenuBitmap(int index, int dpi = SystemDpi()) const;

private:
    std::vector<Bitmap> drawn_;
    mutable std::map<int, std::vector<Bitmap>> scaled_;
};

}
