// The modeless find dialog.
#include "ui/find_dialog.h"

#include "ui/application.h"

#include <algorithm>

namespace ui {
namespace {

const UINT kFindMessage = RegisterWindowMessageW(FINDMSGSTRINGW);

}

FindDialog::FindDialog(HWND owner) : owner_(owner) {}

FindDialog::~FindDialog()
{
    CloseDialog();
}

void FindDialog::Execute()
{
    if (dialog_) {
        SetForegroundWindow(dialog_);
        return;
    }
    request_ = {};
    request_.lStructSize = sizeof request_;
    request_.hwndOwner = owner_;
    request_.Flags = FR_DOWN | FR_HIDEUPDOWN | FR_NOUPDOWN;
    request_.lpstrFindWhat = findText_.data();
    request_.wFindWhatLen = static_cast<WORD>(findText_.size());
    dialog_ = ::FindTextW(&request_);
    if (dialog_)
        Application::Current().AddDialog(dialog_);
}

void FindDialog::CloseDialog()
{
    if (!dialog_)
        return;
    HWND dialog = dialog_;
    Forget();
    DestroyWindow(dialog);
}

void FindDialog::KeepClearOf(const RECT& area)
{
    RECT dialog;
    RECT overlap;
    if (!dialog_ || !GetWindowRect(dialog_, &dialog) || !IntersectRect(&overlap, &dialog, &area))
        return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcWork;
    const int width = dialog.right - dialog.left;
    const int height = dialog.bottom - dialog.top;
    const POINT places[] = {{area.right, dialog.top}, {dialog.left, area.bottom}, {dialog.left, area.top - height},
                            {area.left - width, dialog.top}};
    const auto whole = [&](POINT at) {
        return at.x >= screen.left && at.y >= screen.top && at.x + width <= screen.right && at.y + height <= screen.bottom;
    };
    const auto* place = std::find_if(std::begin(places), std::end(places), whole);
    if (place == std::end(places))
        return;
    SetWindowPos(dialog_, nullptr, place->x, place->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FindDialog::Forget()
{
    Application::Current().RemoveDialog(dialog_);
    dialog_ = nullptr;
}

bool FindDialog::HandleOwnerMessage(UINT message, LPARAM lParam)
{
    if (message != kFindMessage)
        return false;
    const auto* request = reinterpret_cast<const FINDREPLACEW*>(lParam);
    if (request->Flags & FR_DIALOGTERM)
        Forget();
    else if ((request->Flags & FR_FINDNEXT) && onFind)
        onFind();
    return true;
}

}
