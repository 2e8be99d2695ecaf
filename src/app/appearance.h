// The main window's look as the settings file keeps it: background colour and font.
#pragma once
#include "app/settings_file.h"
#include "ui/color.h"
#include "ui/font.h"

#include <string_view>

namespace app {

struct Appearance {
    ui::Color color;
    ui::FontSpec font;
    int fontSize;  // points, as the height gives them on this screen
};

// Each key is read anew from the file; a missing or unreadable value gives its default.
Appearance ReadAppearance(const SettingsFile& file);
// The background colour alone, for the windows that take only that.
ui::Color ReadColor(const SettingsFile& file);

// Writes the six entries in their order and flushes the file, also when a write is refused.
void WriteAppearance(SettingsFile& file, ui::Color color, int fontHeight, std::wstring_view caption);

}
