// Icons from .ico data or handles.
#include "ui/icon.h"

#include "base/error.h"
#include "ui/texts.h"

#include <cstring>

namespace ui {
namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;

std::uint32_t Read16(std::span<const std::uint8_t> data, size_t at)
{
    return data[at] | (data[at + 1] << 8);
}

std::uint32_t Read32(std::span<const std::uint8_t> data, size_t at)
{
    return Read16(data, at) | (Read16(data, at + 2) << 16);
}

// The bytes of the picture to draw at `size` pixels in an .ico file: the one of that size, else the
// smallest larger one, else the largest; for `size` 0 the first. Empty when the file is not an icon
// file or a picture is cut short.
std::span<const std::uint8_t> PictureFor(std::span<const std::uint8_t> data, int size)
{
    if (data.size() < kDirectorySize || Read16(data, 0) != 0 || Read16(data, 2) != 1)
        return {};
    const std::uint32_t count = Read16(data, 4);
    if (count == 0 || data.size() < kDirectorySize + count * kEntrySize)
        return {};
    std::span<const std::uint8_t> chosen;
    int chosenWidth = 0;
    for (std::uint32_t entry = 0; entry < count; ++entry) {
        const size_t at = kDirectorySize + entry * kEntrySize;
        const std::uint32_t picture = Read32(data, at + 8);
        const std::uint32_t offset = Read32(data, at + 12);
        if (offset > data.size() || picture > data.size() - offset || picture == 0)
            return {};
        const int width = data[at] == 0 ? 256 : data[at];
        const bool better = chosen.empty() || (chosenWidth < size ? width > chosenWidth : width >= size && width < chosenWidth);
        if (size > 0 ? better : entry == 0) {
            chosen = data.subspan(offset, picture);
            chosenWidth = width;
        }
    }
    return chosen;
}

HICON CreateFromData(std::span<const std::uint8_t> data, int size)
{
    const auto picture = PictureFor(data, size);
    if (picture.empty())
        return nullptr;
    // The system reads the picture in place and does not keep it; it wants a writable pointer.
    std::vector<std::uint8_t> copy(picture.begin(), picture.end());
    return CreateIconFromResourceEx(copy.data(), static_cast<DWORD>(copy.size()), TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
}

}

void Icon::Changed()
{
    if (onChange)
        onChange();
}

void Icon::Assign(const Icon& other)
{
    if (&other == this)
        return;
    data_ = other.data_;
    handle_.reset(other.data_.empty() && other.handle_ ? CopyIcon(other.handle_.get()) : nullptr);
    Changed();
}

void Icon::LoadFromData(std::span<const std::uint8_t> data)
{
    IconHandle made(CreateFromData(data, size_));
    if (!made)
        throw base::Error(kNotAnIcon);
    data_.assign(data.begin(), data.end());
    handle_ = std::move(made);
    Changed();
}

HICON Icon::Handle()
{
    if (!handle_ && !data_.empty())
        handle_.reset(CreateFromData(data_, size_));
    return handle_.get();
}

void Icon::SetHandle(HICON icon)
{
    data_.clear();
    handle_.reset(icon);
    Changed();
}

void Icon::SetSize(int pixels)
{
    size_ = pixels;
    if (!data_.empty())
        handle_.reset();
}

HICON Icon::ReleaseHandle()
{
    data_.clear();
    HICON icon = handle_.release();
    Changed();
    return icon;
}

}
