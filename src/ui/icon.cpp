// Icons from .ico data or handles.
#include "ui/icon.h"

#include "ui/error.h"

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

// The first picture's bytes in an .ico file; empty when the file is not one or is cut short.
std::span<const std::uint8_t> FirstPicture(std::span<const std::uint8_t> data)
{
    if (data.size() < kDirectorySize + kEntrySize || Read16(data, 0) != 0 || Read16(data, 2) != 1 || Read16(data, 4) == 0)
        return {};
    const std::uint32_t size = Read32(data, kDirectorySize + 8);
    const std::uint32_t offset = Read32(data, kDirectorySize + 12);
    if (offset > data.size() || size > data.size() - offset || size == 0)
        return {};
    return data.subspan(offset, size);
}

HICON CreateFromData(std::span<const std::uint8_t> data)
{
    const auto picture = FirstPicture(data);
    if (picture.empty())
        return nullptr;
    // The system reads the picture in place and does not keep it; it wants a writable pointer.
    std::vector<std::uint8_t> copy(picture.begin(), picture.end());
    return CreateIconFromResourceEx(copy.data(), static_cast<DWORD>(copy.size()), TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
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
    IconHandle made(CreateFromData(data));
    if (!made)
        throw Error(L"Иконата не може да бъде прочетена: данните не са във формат .ico");
    data_.assign(data.begin(), data.end());
    handle_ = std::move(made);
    Changed();
}

HICON Icon::Handle()
{
    if (!handle_ && !data_.empty())
        handle_.reset(CreateFromData(data_));
    return handle_.get();
}

void Icon::SetHandle(HICON icon)
{
    data_.clear();
    handle_.reset(icon);
    Changed();
}

HICON Icon::ReleaseHandle()
{
    data_.clear();
    HICON icon = handle_.release();
    Changed();
    return icon;
}

}
