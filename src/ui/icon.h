// An icon picture held as .ico data or as a handle; the handle is made from the data when first
// asked for. Every change of the picture is reported through onChange.
#pragma once
#include "ui/gdi.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace ui {

class Icon {
public:
    Icon() = default;
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    bool Empty() const { return data_.empty() && !handle_; }
    const std::vector<std::uint8_t>& Data() const { return data_; }

    // Takes the other icon's picture: its data, or a copy of its handle when it has no data.
    void Assign(const Icon& other);
    // Takes .ico data; an error when the data is not a readable icon file, and the picture stays.
    void LoadFromData(std::span<const std::uint8_t> data);
    // The picture's handle, made from the data on demand; nullptr when the icon is empty.
    HICON Handle();
    // The handle is made at `pixels` square from the picture of the data nearest that size (the
    // smallest of at least that size); 0, the default, makes it from the first picture at its own size.
    void SetSize(int pixels);
    // The icon owns the handle from now on.
    void SetHandle(HICON icon);
    // Hands the handle back without destroying it; the icon is empty afterwards.
    HICON ReleaseHandle();

    std::function<void()> onChange;

private:
    void Changed();

    std::vector<std::uint8_t> data_;
    IconHandle handle_;
    int size_ = 0;
};

}
