// The scripted menu tracking.
#include "support/scripted_menus.h"

#include "base/text.h"

namespace test_support {
namespace {

struct ItemInfo {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
};

ItemInfo Read(HMENU menu, int position)
{
    ItemInfo item;
    item.info.cbSize = sizeof item.info;
    item.info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_BITMAP | MIIM_SUBMENU | MIIM_STATE;
    item.info.dwTypeData = item.text;
    item.info.cch = std::size(item.text);
    GetMenuItemInfoW(menu, position, TRUE, &item.info);
    return item;
}

}

UINT ScriptedMenus::Track(HMENU menu, HWND owner, POINT at)
{
    shown.push_back({owner, at, Describe(menu)});
    if (whileOpen)
        whileOpen();
    if (choices.empty())
        return 0;
    const std::wstring choice = choices.front();
    choices.pop_front();
    return choice.empty() ? 0 : FindId(menu, choice);
}

std::vector<std::string> ScriptedMenus::Describe(HMENU menu, const ui::MenuPictures* pictures, int dpi, int depth)
{
    std::vector<std::string> lines;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        const ItemInfo item = Read(menu, position);
        std::string line(2 * depth, ' ');
        if (item.info.fType & MFT_SEPARATOR) {
            lines.push_back(line + "---");
            continue;
        }
        line += base::Narrow(item.text);
        if (item.info.hbmpItem) {
            int index = -1;
            for (int i = 0; pictures && i < pictures->Count(); ++i) {
                if (pictures->MenuBitmap(i, dpi) == item.info.hbmpItem)
                    index = i;
            }
            line += " [picture ";
            line += std::to_string(index);
            line += "]";
        }
        if (item.info.fState & MFS_DEFAULT)
            line += " (default)";
        lines.push_back(line);
        if (item.info.hSubMenu) {
            const auto inner = Describe(item.info.hSubMenu, pictures, dpi, depth + 1);
            lines.insert(lines.end(), inner.begin(), inner.end());
        }
    }
    return lines;
}

std::vector<int> ScriptedMenus::PictureWidths(HMENU menu)
{
    std::vector<int> widths;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        const ItemInfo item = Read(menu, position);
        if (item.info.hbmpItem) {
            BITMAP picture{};
            GetObjectW(item.info.hbmpItem, sizeof picture, &picture);
            widths.push_back(picture.bmWidth);
        }
        if (item.info.hSubMenu) {
            const auto inner = PictureWidths(item.info.hSubMenu);
            widths.insert(widths.end(), inner.begin(), inner.end());
        }
    }
    return widths;
}

UINT ScriptedMenus::FindId(HMENU menu, const std::wstring& caption)
{
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        const ItemInfo item = Read(menu, position);
        if (item.info.hSubMenu) {
            if (const UINT id = FindId(item.info.hSubMenu, caption))
                return id;
        } else if (caption == item.text) {
            return item.info.wID;
        }
    }
    return 0;
}

}
