// Reads and writes the appearance entries of the settings file.
#include "app/appearance.h"

#include "app/settings_keys.h"

#include <cstdlib>
#include <vector>

namespace app {
namespace {

// A height far outside what a text view can show (an invisible text, one giant letter) is not the user's.
int UsableFontHeight(std::int32_t height)
{
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(height));
    return magnitude >= kMinFontHeight && magnitude <= kMaxFontHeight ? height : kDefaultFontHeight;
}

}

ui::Color ReadColor(const settings::SettingsFile& file)
{
    return {file.ReadInteger(kSettingsSection, kColorKey, kDefaultColor.value)};
}

Appearance ReadAppearance(const settings::SettingsFile& file)
{
    Appearance appearance{.color = ReadColor(file), .font = {}, .fontSize = 0};
    // The stored size is read in its place among the keys but never lasts: the window sets the
    // height after it, so the height alone decides the font and the size follows from it.
    file.ReadInteger(kSettingsSection, kFontSizeKey, kDefaultFontSize);
    appearance.font.height = UsableFontHeight(file.ReadInteger(kSettingsSection, kFontHeightKey, kDefaultFontHeight));
    appearance.font.name = file.ReadText(kSettingsSection, kFontNameKey, kDefaultFontName);
    appearance.fontSize = ui::SizeFromHeight(appearance.font.height);
    return appearance;
}

void WriteAppearance(settings::SettingsFile& file, std::optional<ui::Color> color, std::optional<int> fontHeight,
                     std::wstring_view caption)
{
    std::vector<settings::IniEntry> entries{
        {kProgramsSection, kVersionKey, std::wstring(kVersionText)},
        {kProgramsSection, kNameKey, std::wstring(caption)},
    };
    if (color)
        entries.push_back({kSettingsSection, kColorKey, std::to_wstring(color->value)});
    if (fontHeight) {
        entries.push_back({kSettingsSection, kFontNameKey, std::wstring(kDefaultFontName)});
        entries.push_back({kSettingsSection, kFontSizeKey, std::to_wstring(ui::SizeFromHeight(*fontHeight))});
        entries.push_back({kSettingsSection, kFontHeightKey, std::to_wstring(*fontHeight)});
    }
    file.Write(entries);
}

}
