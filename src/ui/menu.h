// Menu bars and popup menus built from a tree of items; each item keeps its caption as real text
// with its picture beside it.
#pragma once
#include "ui/commands.h"
#include "ui/gdi.h"
#include "ui/image.h"

#include <string>
#include <vector>

namespace ui {

struct MenuItem {
    std::wstring caption;  // for a command item: empty takes the command's caption
    int imageIndex = -1;
    const Command* command = nullptr;
    std::vector<MenuItem> items;  // a submenu when not empty
    bool separator = false;

    static MenuItem Of(const Command& command, std::wstring caption = {})
    {
        return {.caption = std::move(caption), .imageIndex = command.imageIndex, .command = &command};
    }
    static MenuItem Separator() { return {.separator = true}; }
    static MenuItem Submenu(std::wstring caption, int imageIndex, std::vector<MenuItem> items)
    {
        return {.caption = std::move(caption), .imageIndex = imageIndex, .items = std::move(items)};
    }
};

MenuHandle BuildMenuBar(const std::vector<MenuItem>& items, const ImageList& pictures);
MenuHandle BuildPopupMenu(const std::vector<MenuItem>& items, const ImageList& pictures);

}
