// Saving image lists as BMP strips and reading them back.
#include "ui/icon_strip.h"

#include "base/error.h"

#include <cstring>

namespace ui {
namespace {

constexpr std::size_t kFileHeaderSize = sizeof(BITMAPFILEHEADER);  // 14
constexpr std::size_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);  // 40

[[noreturn]] void NotValid()
{
    throw base::Error(L"Bitmap image is not valid");
}

std::size_t Stride(std::int64_t width, int bitsPerPixel)
{
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

struct Canvas {
    HDC dc;
    HGDIOBJ previous;
    explicit Canvas(HBITMAP bitmap) : dc(CreateCompatibleDC(nullptr)), previous(SelectObject(dc, bitmap)) {}
    ~Canvas()
    {
        SelectObject(dc, previous);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
};

// A whole BMP file image of the bitmap at the given depth, bottom-up; 1-bit images carry a
// black-and-white colour table.
void AppendBmp(std::vector<std::uint8_t>& out, HBITMAP bitmap, int width, int height, int bitsPerPixel)
{
    const std::size_t tableSize = bitsPerPixel == 1 ? 2 * sizeof(RGBQUAD) : 0;
    const std::size_t stride = Stride(width, bitsPerPixel);
    const std::size_t pixelsSize = stride * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> info(kInfoHeaderSize + 2 * sizeof(RGBQUAD));
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header->biSize = kInfoHeaderSize;
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(bitsPerPixel);
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(pixelsSize);
    std::vector<std::uint8_t> pixels(pixelsSize);
    if (width > 0) {
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
    }
    if (bitsPerPixel == 1) {
        const RGBQUAD table[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
        std::memcpy(info.data() + kInfoHeaderSize, table, sizeof table);
    }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = static_cast<DWORD>(kFileHeaderSize + kInfoHeaderSize + tableSize);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixelsSize);
    const auto* fileBytes = reinterpret_cast<const std::uint8_t*>(&file);
    out.insert(out.end(), fileBytes, fileBytes + kFileHeaderSize);
    out.insert(out.end(), info.begin(), info.begin() + static_cast<std::ptrdiff_t>(kInfoHeaderSize + tableSize));
    out.insert(out.end(), pixels.begin(), pixels.end());
}

// One BMP image at `offset`: checks every size against the data before reading it.
// Where a .bmp file's parts stand, its headers checked against its size.
struct BmpLayout {
    std::uint32_t pixelsAt = 0;  // from the file's start
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint64_t tableEnd = 0;  // the end of the headers, masks and colour table
    std::uint64_t pixelsSize = 0;
};

BmpLayout ReadBmpLayout(std::span<const std::uint8_t> image)
{
    if (image.size() < kFileHeaderSize + kInfoHeaderSize)
        NotValid();
    BITMAPFILEHEADER file;
    std::memcpy(&file, image.data(), kFileHeaderSize);
    BITMAPINFOHEADER header;
    std::memcpy(&header, image.data() + kFileHeaderSize, kInfoHeaderSize);
    const int bits = header.biBitCount;
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (file.bfType != 0x4D42 || header.biSize < kInfoHeaderSize || header.biWidth < 0 || header.biHeight == 0 ||
        header.biPlanes != 1 || !knownDepth || (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS))
        NotValid();
    BmpLayout layout{.pixelsAt = file.bfOffBits,
                     .width = header.biWidth,
                     .height = header.biHeight < 0 ? -std::int64_t(header.biHeight) : header.biHeight};
    const std::uint64_t colours = bits <= 8 ? (header.biClrUsed ? header.biClrUsed : 1u << bits) : 0;
    const std::uint64_t masks = header.biCompression == BI_BITFIELDS && header.biSize == kInfoHeaderSize ? 12 : 0;
    layout.tableEnd = kFileHeaderSize + header.biSize + masks + colours * sizeof(RGBQUAD);
    layout.pixelsSize = static_cast<std::uint64_t>(Stride(layout.width, bits)) * static_cast<std::uint64_t>(layout.height);
    if (colours > 256 || file.bfOffBits < layout.tableEnd || file.bfOffBits > image.size() ||
        layout.pixelsSize > image.size() - file.bfOffBits)
        NotValid();
    return layout;
}

Bitmap ReadBmp(std::span<const std::uint8_t> data, std::size_t& offset, bool monochrome)
{
    if (offset > data.size())
        NotValid();
    const auto image = data.subspan(offset);
    const BmpLayout layout = ReadBmpLayout(image);
    offset += layout.pixelsAt + static_cast<std::size_t>(layout.pixelsSize);
    if (layout.width == 0)
        return {};
    // The headers and table, copied so that the system gets them aligned.
    std::vector<std::uint8_t> info(image.begin() + kFileHeaderSize, image.begin() + static_cast<std::ptrdiff_t>(layout.tableEnd));
    auto* bitmapInfo = reinterpret_cast<BITMAPINFO*>(info.data());
    const std::uint8_t* pixels = image.data() + layout.pixelsAt;
    if (!monochrome) {
        void* bits = nullptr;
        Bitmap colour(CreateDIBSection(nullptr, bitmapInfo, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!colour)
            NotValid();
        std::memcpy(bits, pixels, static_cast<std::size_t>(layout.pixelsSize));
        return colour;
    }
    // Image lists take their masks as monochrome bitmaps.
    Bitmap result(CreateBitmap(static_cast<int>(layout.width), static_cast<int>(layout.height), 1, 1, nullptr));
    HDC screen = GetDC(nullptr);
    const int rows =
        result ? SetDIBits(screen, result.get(), 0, static_cast<UINT>(layout.height), pixels, bitmapInfo, DIB_RGB_COLORS) : 0;
    ReleaseDC(nullptr, screen);
    if (rows == 0)
        NotValid();
    return result;
}

}

std::vector<std::uint8_t> SaveStrips(HIMAGELIST list)
{
    const int count = ImageList_GetImageCount(list);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(list, &width, &height);
    const int stripWidth = count * width;
    BITMAPINFO info{};
    info.bmiHeader.biSize = kInfoHeaderSize;
    info.bmiHeader.biWidth = stripWidth;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap colour(stripWidth > 0 ? CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr);
    Bitmap mask(stripWidth > 0 ? CreateBitmap(stripWidth, height, 1, 1, nullptr) : nullptr);
    if (stripWidth > 0 && (!colour || !mask))
        throw base::Error(L"Out of system resources");
    if (stripWidth > 0) {
        Canvas colourCanvas(colour.get());
        Canvas maskCanvas(mask.get());
        PatBlt(colourCanvas.dc, 0, 0, stripWidth, height, BLACKNESS);
        PatBlt(maskCanvas.dc, 0, 0, stripWidth, height, BLACKNESS);
        for (int index = 0; index < count; ++index) {
            ImageList_Draw(list, index, colourCanvas.dc, index * width, 0, ILD_NORMAL);
            ImageList_Draw(list, index, maskCanvas.dc, index * width, 0, ILD_MASK);
        }
    }
    std::vector<std::uint8_t> out;
    AppendBmp(out, colour.get(), stripWidth, height, 32);
    AppendBmp(out, mask.get(), stripWidth, height, 1);
    return out;
}

Strips ReadStrips(std::span<const std::uint8_t> data, std::size_t& offset)
{
    std::size_t at = offset;
    Strips strips;
    strips.colour = ReadBmp(data, at, false);
    strips.mask = ReadBmp(data, at, true);
    offset = at;
    return strips;
}

}
