// Building menus from item trees.
#include "ui/menu.h"

#include "base/error.h"
#include "ui/texts.h"

namespace ui {
namespace {

void Append(HMENU menu, const MenuItem& item, const MenuPictures* pictures, const MenuItemId& idOf)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    if (item.separator) {
        info.fMask = MIIM_FTYPE;
        info.fType = MFT_SEPARATOR;
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
        return;
    }
    std::wstring caption = item.caption.empty() && item.command ? item.command->caption : item.caption;
    // The shortcut stands at the item's right edge, as menus show keys.
    if (item.command && !item.command->keyText.empty())
        caption += L"\t" + item.command->keyText;
    info.fMask = MIIM_STRING | MIIM_ID | MIIM_BITMAP | MIIM_STATE | MIIM_DATA;
    info.dwTypeData = caption.data();
    info.wID = idOf(item);
    info.hbmpItem = pictures ? pictures->MenuBitmap(item.imageIndex) : nullptr;
    // The picture's index goes with the item, so that it can be shown again at another scale.
    info.dwItemData = info.hbmpItem ? static_cast<ULONG_PTR>(item.imageIndex) + 1 : 0;
    info.fState = item.isDefault ? MFS_DEFAULT : 0;
    if (!item.items.empty()) {
        HMENU submenu = CreatePopupMenu();
        for (const auto& child : item.items)
            Append(submenu, child, pictures, idOf);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = submenu;
    }
    if (!InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info))
        throw base::Error(MenuNotMade(caption));
}

MenuHandle Build(HMENU menu, const std::vector<MenuItem>& items, const MenuPictures* pictures, const MenuItemId& idOf)
{
    MenuHandle handle(menu);
    for (const auto& item : items)
        Append(menu, item, pictures, idOf);
    return handle;
}

}

void ShowMenuPictures(HMENU menu, const MenuPictures& pictures, int dpi)
{
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_BITMAP | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
            continue;
        if (info.dwItemData) {
            const HBITMAP picture = pictures.MenuBitmap(static_cast<int>(info.dwItemData) - 1, dpi);
            if (picture != info.hbmpItem) {
                info.fMask = MIIM_BITMAP;
                info.hbmpItem = picture;
                SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
            }
        }
        if (info.hSubMenu)
            ShowMenuPictures(info.hSubMenu, pictures, dpi);
    }
}

MenuHandle BuildMenuBar(const std::vector<MenuItem>& items, const MenuPictures& pictures)
{
    return Build(CreateMenu(), items, &pictures, [](const MenuItem& item) { return item.command ? item.command->id : 0u; });
}

MenuHandle BuildPopupMenu(const std::vector<MenuItem>& items, const MenuPictures* pictures, const MenuItemId& idOf)
{
    return Build(CreatePopupMenu(), items, pictures, idOf);
}

}
