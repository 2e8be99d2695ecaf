// Reads and writes the appearance entries of the settings file.
#include "app/appearance.h"

#include "app/settings_keys.h"

namespace app {
namespace {

class FlushOnExit {
public:
    explicit FlushOnExit(SettingsFile& file) : file_(file) {}
    ~FlushOnExit() { file_.Flush(); }
    FlushOnExit(const FlushOnExit&) = delete;
    FlushOnExit& operator=(const FlushOnExit&) = delete;

private:
    SettingsFile& file_;
};

}

ui::Color ReadColor(const SettingsFile& file)
{
    return {file.ReadInteger(kSettingsSection, kColorKey, kDefaultColor.value)};
}

Appearance ReadAppearance(const SettingsFile& file)
{
    Appearance appearance{.color = ReadColor(file), .font = {}, .fontSize = 0};
    // The stored size is read in its place among the keys but never lasts: the window sets the
    // height after it, so the height alone decides the font and the size follows from it.
    file.ReadInteger(kSettingsSection, kFontSizeKey, kDefaultFontSize);
    appearance.font.height = file.ReadInteger(kSettingsSection, kFontHeightKey, kDefaultFontHeight);
    appearance.font.name = file.ReadText(kSettingsSection, kFontNameKey, kDefaultFontName);
    appearance.fontSize = ui::SizeFromHeight(appearance.font.height);
    return appearance;
}

void WriteAppearance(SettingsFile& file, ui::Color color, int fontHeight, std::wstring_view caption)
{
    const FlushOnExit flush(file);
    file.WriteText(kProgramsSection, kVersionKey, kVersionText);
    file.WriteText(kProgramsSection, kNameKey, caption);
    file.WriteInteger(kSettingsSection, kColorKey, color.value);
    file.WriteText(kSettingsSection, kFontNameKey, kDefaultFontName);
    file.WriteInteger(kSettingsSection, kFontSizeKey, ui::SizeFromHeight(fontHeight));
    file.WriteInteger(kSettingsSection, kFontHeightKey, fontHeight);
}

}
