// The appearance settings file's sections, keys, written texts and defaults.
#pragma once
#include "ui/color.h"

#include <cstdint>
#include <string_view>

namespace app {

inline constexpr std::wstring_view kProgramsSection = L"Programs";
inline constexpr std::wstring_view kSettingsSection = L"Settings";

inline constexpr std::wstring_view kVersionKey = L"Ver";
inline constexpr std::wstring_view kNameKey = L"Name";
inline constexpr std::wstring_view kColorKey = L"Color";
inline constexpr std::wstring_view kFontNameKey = L"FName";
inline constexpr std::wstring_view kFontSizeKey = L"FSize";
inline constexpr std::wstring_view kFontHeightKey = L"FHeight";

inline constexpr std::wstring_view kVersionText = L"1.02";

inline constexpr ui::Color kDefaultColor = ui::kLight3D;
// The face is always written back as this one, whatever face was read.
inline constexpr std::wstring_view kDefaultFontName = L"MS Sans Serif";
inline constexpr int kDefaultFontSize = 8;
inline constexpr int kDefaultFontHeight = -11;
// Font heights, in pixels either way, that a text view can show; any other reads as the default.
inline constexpr int kMinFontHeight = 6;
inline constexpr int kMaxFontHeight = 72;

}
