// The application object: title, main window, the zero-size application window that carries the
// task-bar button and owns every window, the message loop and the top-level error handler.
#pragma once
#include "ui/cursors.h"
#include "ui/dialogs.h"
#include "ui/gdi.h"
#include "ui/menu_tracker.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace ui {

class Form;

class Application {
public:
    explicit Application(Dialogs& dialogs);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    static Application& Current();

    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title);
    HWND Handle() const { return window_.get(); }
    ui::Dialogs& DialogService() { return dialogs_; }
    ui::Cursors& ScreenCursors() { return cursors_; }
    // Popup menus are shown through this; tests put a scripted one in place.
    ui::MenuTracker& Menus() { return *menus_; }
    void SetMenuTracker(ui::MenuTracker& menus) { menus_ = &menus; }

    // Every form registers itself when created; the first becomes the main form.
    void AddForm(Form& form);
    void RemoveForm(Form& form);
    Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    const std::vector<Form*>& Forms() const { return forms_; }
    // The form a window belongs to (itself or its top-level ancestor), or null.
    Form* FormOf(HWND window) const;

    // Modeless dialogs whose keyboard messages (Enter, Tab) the loop hands to IsDialogMessage.
    void AddDialog(HWND dialog);
    void RemoveDialog(HWND dialog);

    // The application's message hook: called with every message taken from the queue before it is
    // translated and dispatched; setting `handled` ends the message there. Replaceable; may be empty.
    using MessageHook = std::function<void(MSG& message, bool& handled)>;
    MessageHook onMessage;

    void ProcessMessages();
    void ProcessUntil(const std::function<bool()>& done);
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // While the program creates its windows no command runs: a command that arrives then (posted, or
    // chosen from a menu while a start-up box is up) could reach a window not made yet.
    void SetStarting(bool starting) { starting_ = starting; }
    bool Starting() const { return starting_; }

    void Minimize();
    void Restore();
    std::function<void()> onMinimize;
    std::function<void()> onRestore;

    // The top-level error handler: the error's text in a box with the title and the error icon.
    void HandleException(std::exception_ptr error);
    // A plain message box: the title as caption, no icon, one OK button.
    void ShowMessage(const std::wstring& text);
    // The owner of the program's boxes: the active form, or the form owning the active dialog,
    // else the main form; the box is modal for it.
    HWND MessageOwner() const;

private:
    bool Dispatch(MSG& message);
    void HideOwnedForms();
    // The window the user has to deal with first: a modal form or box open over the main window, else the main window.
    HWND WindowToAnswer(const Form& main) const;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    ui::Dialogs& dialogs_;
    ui::Win32MenuTracker win32Menus_;
    ui::MenuTracker* menus_ = &win32Menus_;
    ui::Cursors cursors_;
    std::wstring title_;
    WindowHandle window_;
    std::vector<Form*> forms_;
    std::vector<HWND> dialogWindows_;
    std::vector<HWND> hiddenForms_;  // hidden by Minimize, shown again by Restore
    bool terminated_ = false;
    bool starting_ = false;
};

// Runs the handler of a window message. Errors must not unwind through the system's frames: the
// top-level handler shows them here, and the message's result is 0.
template <typename Handler>
LRESULT RunGuarded(Handler&& handler)
{
    try {
        return handler();
    } catch (...) {
        Application::Current().HandleException(std::current_exception());
        return 0;
    }
}

}
