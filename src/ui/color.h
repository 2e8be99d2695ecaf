// Colour values as the settings store them: direct 0x00BBGGRR or a system colour reference (0xFF0000nn).
#pragma once
#include <windows.h>

#include <cstdint>

namespace ui {

struct Color {
    std::int32_t value;

    static constexpr Color System(int index) { return {static_cast<std::int32_t>(0xFF000000u | static_cast<unsigned>(index))}; }
    static constexpr Color Direct(COLORREF rgb) { return {static_cast<std::int32_t>(rgb & 0x00FFFFFFu)}; }

    // A system colour reference is looked up anew each time, so it follows the user's scheme.
    COLORREF Resolve() const;
    bool operator==(const Color&) const = default;
};

inline constexpr Color kLight3D = Color::System(COLOR_3DLIGHT);
inline constexpr Color kGrayText = Color::System(COLOR_GRAYTEXT);
inline constexpr Color kButtonFace = Color::System(COLOR_BTNFACE);

}
