// Loading and decoding of the program's pictures.
#include "ui/image.h"

#include "ui/dpi.h"
#include "base/error.h"
#include "ui/window.h"
#include "ui/texts.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

namespace ui {
namespace {

struct JpegFailure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info)
{
    // libjpeg is C: leave it with longjmp, never with a C++ exception.
    std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1);
}

struct DibSection {
    HBITMAP bitmap = nullptr;
    std::uint8_t* bits = nullptr;
};

DibSection CreateDib(int width, int height, int bitsPerPixel)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    return {bitmap, static_cast<std::uint8_t*>(bits)};
}

// Decodes into a fresh DIB; false when libjpeg rejects the data. No C++ objects with destructors
// live in this frame, so the longjmp out of libjpeg is safe.
bool DecodeInto(std::span<const std::uint8_t> data, HBITMAP& result)
{
    jpeg_decompress_struct info;
    JpegFailure failure;
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = OnJpegError;
    HBITMAP bitmap = nullptr;
    if (setjmp(failure.jump)) {
        jpeg_destroy_decompress(&info);
        if (bitmap)
            DeleteObject(bitmap);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    const DibSection dib = CreateDib(width, height, 24);
    bitmap = dib.bitmap;
    if (!bitmap)
        std::longjmp(failure.jump, 1);
    const int stride = (width * 3 + 3) & ~3;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = dib.bits + static_cast<size_t>(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    result = bitmap;
    return true;
}

}

Bitmap DecodeJpeg(std::span<const std::uint8_t> data)
{
    HBITMAP bitmap = nullptr;
    if (data.empty() || !DecodeInto(data, bitmap))
        throw base::Error(kNotAJpeg);
    return Bitmap(bitmap);
}

std::span<const std::uint8_t> ResourceData(int id, const wchar_t* type)
{
    HRSRC found = FindResourceW(Instance(), MAKEINTRESOURCEW(id), type);
    HGLOBAL loaded = found ? LoadResource(Instance(), found) : nullptr;
    if (!loaded)
        throw base::Error(ResourceMissing(id));
    return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(Instance(), found)};
}

Bitmap LoadJpegResource(int id)
{
    return DecodeJpeg(ResourceData(id, MAKEINTRESOURCEW(10)));  // RT_RCDATA
}

Bitmap LoadBitmapResource(int id)
{
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(Instance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        throw base::Error(PictureMissing(id));
    return Bitmap(bitmap);
}

PictureSource JpegResource(int id)
{
    return [id] { return LoadJpegResource(id); };
}

PictureSource BitmapResource(int id)
{
    return [id] { return LoadBitmapResource(id); };
}

MenuPictures::MenuPictures(int bitmapResource)
{
    const Bitmap strip = LoadBitmapResource(bitmapResource);
    DIBSECTION section{};
    GetObjectW(strip.get(), sizeof section, &section);
    const int width = section.dsBm.bmWidth;
    const int height = section.dsBm.bmHeight;
    if (section.dsBm.bmBitsPixel != 32 || height != 16)
        throw base::Error(kBadMenuStrip);
    // Read the strip top-down as BGRA, then cut it into 16 x 16 pictures.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, strip.get(), 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    // Menus draw item bitmaps without their alpha everywhere: blend onto the menu colour.
    const COLORREF menu = GetSysColor(COLOR_MENU);
    const std::uint8_t background[3] = {GetBValue(menu), GetGValue(menu), GetRValue(menu)};
    for (int picture = 0; picture < width / 16; ++picture) {
        const DibSection dib = CreateDib(16, 16, 32);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const std::uint8_t* from = &pixels[(static_cast<size_t>(y) * width + picture * 16 + x) * 4];
                std::uint8_t* to = dib.bits + (y * 16 + x) * 4;
                const unsigned alpha = from[3];
                for (int channel = 0; channel < 3; ++channel)
                    to[channel] = static_cast<std::uint8_t>((from[channel] * alpha + background[channel] * (255 - alpha)) / 255);
                to[3] = 255;
            }
        }
        drawn_.emplace_back(dib.bitmap);
    }
}

namespace {

// A 16 x 16 picture at `size` x `size`, smoothed.
Bitmap Enlarged(HBITMAP picture, int size)
{
    const DibSection scaled = CreateDib(size, size, 32);
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    const HGDIOBJ oldFrom = SelectObject(from, picture);
    const HGDIOBJ oldTo = SelectObject(to, scaled.bitmap);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, size, size, from, 0, 0, 16, 16, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    return Bitmap(scaled.bitmap);
}

}

HBITMAP MenuPictures::MenuBitmap(int index, int dpi) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    const int size = Scaled(16, dpi);
    if (size == 16)
        return drawn_[index].get();
    auto& pictures = scaled_[size];
    if (pictures.empty()) {
        for (const auto& picture : drawn_)
            pictures.push_back(Enlarged(picture.get(), size));
    }
    return pictures[index].get();
}

}
