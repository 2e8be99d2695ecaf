// Menu bars and menu trees built from a table of items; each item keeps its caption as real text
// with its picture beside it.
#pragma once
#include "ui/commands.h"
#include "ui/gdi.h"
#include "ui/image.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

struct MenuItem {
    std::wstring caption;  // for a command item: empty takes the command's caption
    int imageIndex = -1;
    const Command* command = nullptr;
    std::vector<MenuItem> items;  // a submenu when not empty
    bool separator = false;
    std::function<void()> onClick;  // an item's own action, for items not bound to a command
    bool isDefault = false;         // shown in bold; the action a double click runs

    static MenuItem Of(const Command& command, std::wstring caption = {})
    {
        return {.caption = std::move(caption), .imageIndex = command.imageIndex, .command = &command};
    }
    static MenuItem Action(std::wstring caption, int imageIndex, std::function<void()> onClick)
    {
        return {.caption = std::move(caption), .imageIndex = imageIndex, .onClick = std::move(onClick)};
    }
    static MenuItem Separator() { return {.separator = true}; }
    static MenuItem Submenu(std::wstring caption, int imageIndex, std::vector<MenuItem> items)
    {
        return {.caption = std::move(caption), .imageIndex = imageIndex, .items = std::move(items)};
    }
};

// The ID an item's WM_COMMAND or menu choice carries; 0 for submenus and separators.
using MenuItemId = std::function<UINT(const MenuItem&)>;

// Items carry their command's ID.
MenuHandle BuildMenuBar(const std::vector<MenuItem>& items, const MenuPictures& pictures);
MenuHandle BuildPopupMenu(const std::vector<MenuItem>& items, const MenuPictures* pictures, const MenuItemId& idOf);
// Gives every item of the menu and its submenus that shows a picture the picture's bitmap for a
// `dpi` screen.
void ShowMenuPictures(HMENU menu, const MenuPictures& pictures, int dpi);

}
