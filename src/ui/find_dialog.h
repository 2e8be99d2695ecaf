// The platform's modeless find dialog: search downward only, its keys routed through the
// application's message loop so that Enter and Tab work in it.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include <array>
#include <functional>
#include <string>

namespace ui {

class FindDialog {
public:
    explicit FindDialog(HWND owner);
    FindDialog(const FindDialog&) = delete;
    FindDialog& operator=(const FindDialog&) = delete;
    ~FindDialog();

    // Shows the dialog and returns at once; an open dialog is only brought to the front.
    void Execute();
    void CloseDialog();
    // Moves an open dialog that covers `area` (screen coordinates) beside it: to its right, below,
    // above or to its left, the first place where the dialog is whole on the screen.
    void KeepClearOf(const RECT& area);
    HWND Handle() const { return dialog_; }
    std::wstring SearchText() const { return findText_.data(); }

    // Runs when the user asks for the next match.
    std::function<void()> onFind;

    // The owner hands every message here first; true when it was the dialog's notification.
    bool HandleOwnerMessage(UINT message, LPARAM lParam);

private:
    void Forget();

    static constexpr size_t kMaxFindText = 255;
    HWND owner_;
    HWND dialog_ = nullptr;
    std::array<wchar_t, kMaxFindText + 1> findText_{};
    FINDREPLACEW request_{};
};

}
