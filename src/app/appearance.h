// The main window's look as the settings file keeps it: background colour and font.
#pragma once
#include "settings/settings_file.h"
#include "ui/color.h"
#include "ui/font.h"

#include <optional>
#include <string_view>

namespace app {

struct Appearance {
    ui::Color color;
    ui::FontSpec font;
    int fontSize;  // points, as the height gives them on this screen
};

// Each key is read anew from the file; a missing or unreadable value, or a font height no text
// view can show, gives its default.
Appearance ReadAppearance(const settings::SettingsFile& file);
// The background colour alone, for the windows that take only that.
ui::Color ReadColor(const settings::SettingsFile& file);

// Writes the six entries in their order, in one replacement of the file. A colour or font the
// views never took from the file (a start that failed before) is left out, so the stored one stays.
void WriteAppearance(settings::SettingsFile& file, std::optional<ui::Color> color, std::optional<int> fontHeight,
                     std::wstring_view caption);

}
