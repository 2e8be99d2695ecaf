// The modeless find dialog.
#include "ui/find_dialog.h"

#include "ui/application.h"

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
