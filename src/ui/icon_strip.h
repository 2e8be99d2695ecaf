// Owned image lists, and their pictures as two BMP file images back to back: a colour strip,
// then a mask strip, the pictures side by side from the left.
#pragma once
#include "ui/gdi.h"

#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace ui {

struct ImageListDeleter {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using ImageListHandle = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// Every picture drawn normally into a 32-bit colour strip and as its mask into a 1-bit strip.
std::vector<std::uint8_t> SaveStrips(HIMAGELIST list);

struct Strips {
    Bitmap colour;  // nullptr for a strip of no pictures
    Bitmap mask;
};

// Reads two BMP images from `offset` on and moves `offset` past them. An error "Bitmap image is
// not valid" when the data there does not hold two whole BMP images; nothing past its end is read.
Strips ReadStrips(std::span<const std::uint8_t> data, std::size_t& offset);

}
