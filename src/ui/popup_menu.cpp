// Popup menus and the real menu tracking.
#include "ui/popup_menu.h"

#include "ui/application.h"
#include "ui/dpi.h"

namespace ui {

UINT Win32MenuTracker::Track(HMENU menu, HWND owner, POINT at)
{
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, at.x, at.y, owner, nullptr));
    // Without a message after it, a menu opened for a window in the background may not close
    // on the next click elsewhere.
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

PopupMenu::PopupMenu(Args args) : items_(std::move(args.items)), pictures_(args.pictures)
{
    menu_ = BuildPopupMenu(items_, args.pictures, [this](const MenuItem& item) { return IdOf(item); });
}

UINT PopupMenu::IdOf(const MenuItem& item)
{
    if (item.separator || !item.items.empty())
        return 0;
    const UINT id = item.command ? item.command->id : kFirstOwnId + static_cast<UINT>(byId_.size());
    byId_.emplace(id, &item);
    return id;
}

void PopupMenu::Run(const MenuItem& item)
{
    if (item.onClick)
        item.onClick();
    else if (item.command && item.command->onExecute)
        item.command->onExecute();
}

void PopupMenu::Popup(HWND owner, POINT at)
{
    // The menu opens on its owner's screen: the pictures at that screen's scale.
    if (pictures_)
        ShowMenuPictures(Handle(), *pictures_, DpiOf(owner));
    if (const UINT chosen = Application::Current().Menus().Track(Handle(), owner, at))
        Click(chosen);
}

bool PopupMenu::Click(UINT id)
{
    const auto found = byId_.find(id);
    if (found == byId_.end())
        return false;
    Run(*found->second);
    return true;
}

void PopupMenu::SetEnabled(int position, bool enabled)
{
    EnableMenuItem(Handle(), static_cast<UINT>(position), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool PopupMenu::Enabled(int position) const
{
    return (GetMenuState(Handle(), static_cast<UINT>(position), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool PopupMenu::ClickDefaultItem()
{
    for (const auto& item : items_) {
        if (item.isDefault) {
            Run(item);
            return true;
        }
    }
    return false;
}

}
