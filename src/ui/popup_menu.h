// A popup (context) menu built from a table of items: commands, own actions, submenus,
// separators, a default item, pictures from an image list. It runs the chosen item's action.
#pragma once
#include "ui/gdi.h"
#include "ui/image.h"
#include "ui/menu.h"

#include <functional>
#include <map>
#include <vector>

namespace ui {

class PopupMenu {
public:
    struct Args {
        std::vector<MenuItem> items;
        const MenuPictures* pictures = nullptr;  // not owned; must outlive the menu
    };
    PopupMenu() = default;
    explicit PopupMenu(Args args);

    HMENU Handle() const { return menu_.get(); }
    const std::vector<MenuItem>& Items() const { return items_; }

    // Shows the menu at a screen point for the owner window; returns once it has closed and the
    // chosen item's action has run.
    void Popup(HWND owner, POINT at);
    // Runs the action of the item with this ID as if the user had chosen it; false for no such item.
    bool Click(UINT id);
    // Greys out or enables the top-level item at `position`, separators counted.
    void SetEnabled(int position, bool enabled);
    bool Enabled(int position) const;
    // Scans the top-level items from the first and runs the first marked as default; false when
    // there is none. Submenus are not searched.
    bool ClickDefaultItem();

private:
    static constexpr UINT kFirstOwnId = 0xE000;

    UINT IdOf(const MenuItem& item);
    static void Run(const MenuItem& item);

    std::vector<MenuItem> items_;
    const MenuPictures* pictures_ = nullptr;
    std::map<UINT, const MenuItem*> byId_;
    MenuHandle menu_;
};

}
