// A stand-in for popup menu tracking: records every menu shown and chooses items from a script.
#pragma once
#include "ui/image.h"
#include "ui/menu_tracker.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace test_support {

class ScriptedMenus final : public ui::MenuTracker {
public:
    UINT Track(HMENU menu, HWND owner, POINT at) override;

    struct Shown {
        HWND owner;
        POINT at;
        std::vector<std::string> lines;  // the menu as Describe gave it when shown
    };
    std::vector<Shown> shown;
    // Captions the user picks, one per menu shown, searched through the submenus too;
    // an empty caption or an empty script closes the menu without a choice.
    std::deque<std::wstring> choices;
    // Runs while a menu is open, before the choice.
    std::function<void()> whileOpen;

    // One line per item, indented by depth: caption, " [picture N]" with N the index in
    // `pictures` at `dpi` (-1 when there are no pictures to compare with), " (default)", "---" for
    // separators.
    static std::vector<std::string> Describe(HMENU menu, const ui::MenuPictures* pictures = nullptr, int dpi = ui::SystemDpi(),
                                             int depth = 0);
    // The width of every picture the menu and its submenus show, depth first.
    static std::vector<int> PictureWidths(HMENU menu);
    // The ID of the item with this caption, searched depth first; 0 when there is none.
    static UINT FindId(HMENU menu, const std::wstring& caption);
};

}
