// The application object and its message loop.
#include "ui/application.h"

#include "base/error.h"
#include "ui/error.h"
#include "ui/form.h"
#include "base/text.h"
#include "ui/window.h"
#include "ui/texts.h"

#include <algorithm>
#include <utility>

namespace ui {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraApplication";
Application* current = nullptr;

}

Application::Application(ui::Dialogs& dialogs) : dialogs_(dialogs)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(Instance(), kClassName, &windowClass)) {
        windowClass.lpfnWndProc = &Application::Procedure;
        windowClass.hInstance = Instance();
        windowClass.hIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(1));
        windowClass.lpszClassName = kClassName;
        RegisterClassExW(&windowClass);
    }
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    window_.reset(CreateWindowExW(0, kClassName, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                                  nullptr, nullptr, Instance(), nullptr));
    current = this;
}

Application::~Application()
{
    if (current == this)
        current = nullptr;
}

Application& Application::Current()
{
    return *current;
}

void Application::SetTitle(const std::wstring& title)
{
    title_ = title;
    SetWindowTextW(Handle(), title.c_str());
}

void Application::AddForm(Form& form)
{
    forms_.push_back(&form);
}

void Application::RemoveForm(Form& form)
{
    std::erase(forms_, &form);
}

Form* Application::FormOf(HWND window) const
{
    const HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    const auto form = std::ranges::find(forms_, root, &Form::Handle);
    return form == forms_.end() ? nullptr : *form;
}

HWND Application::MessageOwner() const
{
    // A box raised from a dialog the program's window owns (the find dialog) belongs to that window,
    // so the whole program waits for it, as for every other box.
    for (HWND window = GetActiveWindow(); window; window = GetWindow(window, GW_OWNER)) {
        if (const Form* form = FormOf(window); form && form->Handle() == window)
            return window;
    }
    if (Form* main = MainForm())
        return main->Handle();
    return Handle();
}

void Application::AddDialog(HWND dialog)
{
    dialogWindows_.push_back(dialog);
}

void Application::RemoveDialog(HWND dialog)
{
    std::erase(dialogWindows_, dialog);
}

bool Application::Dispatch(MSG& message)
{
    if (message.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    if (onMessage) {
        // The hook may replace itself while it runs: call a copy.
        const MessageHook hook = onMessage;
        bool handled = false;
        hook(message, handled);
        if (handled)
            return true;
    }
    for (HWND dialog : dialogWindows_) {
        if (IsDialogMessageW(dialog, &message))
            return true;
    }
    // Keys typed in a form: the form's own preview first, then dialog navigation (Tab, Shift+Tab, Esc, Enter).
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
        if (Form* form = FormOf(message.hwnd);
            form && (form->PreviewKey(message) || IsDialogMessageW(form->Handle(), &message)))
            return true;
    }
    if (message.message == WM_MOUSEWHEEL) {
        if (Form* form = FormOf(message.hwnd); form && form->PreviewMouseWheel(message))
            return true;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

void Application::ProcessMessages()
{
    MSG message;
    while (!terminated_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        Dispatch(message);
}

void Application::ProcessUntil(const std::function<bool()>& done)
{
    MSG message;
    while (!terminated_ && !done()) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            terminated_ = true;
            break;
        }
        Dispatch(message);
    }
}

void Application::Run()
{
    ProcessUntil([] { return false; });
}

void Application::Terminate()
{
    if (!terminated_)
        PostQuitMessage(0);
}

void Application::Minimize()
{
    if (IsIconic(Handle()))
        return;
    if (Form* main = MainForm(); main && main->Visible() && IsWindowEnabled(main->Handle())) {
        RECT r;
        GetWindowRect(main->Handle(), &r);
        SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(Handle(), SW_MINIMIZE);
    HideOwnedForms();
    if (onMinimize)
        onMinimize();
}

void Application::HideOwnedForms()
{
    // Windows hides the windows an application window owns when it is minimized; Wine does not.
    for (Form* form : forms_) {
        if (form->Visible()) {
            ShowWindow(form->Handle(), SW_HIDE);
            hiddenForms_.push_back(form->Handle());
        }
    }
}

void Application::Restore()
{
    if (!IsIconic(Handle()))
        return;
    ShowWindow(Handle(), SW_RESTORE);
    SetWindowPos(Handle(), nullptr, GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND window : std::exchange(hiddenForms_, {})) {
        if (IsWindow(window))
            ShowWindow(window, SW_SHOWNA);
    }
    if (Form* main = MainForm()) {
        if (!main->Visible())
            main->Show();
        SetForegroundWindow(WindowToAnswer(*main));
    }
    if (onRestore)
        onRestore();
}

HWND Application::WindowToAnswer(const Form& main) const
{
    if (IsWindowEnabled(main.Handle()))
        return main.Handle();
    // The main window is disabled by a modal form or by a box it shows. Of the modal forms only the
    // innermost is enabled; a box disables the window that owns it.
    std::vector<HWND> owners{main.Handle()};
    for (const Form* form : forms_) {
        if (form->Modal() && form->Visible())
            owners.push_back(form->Handle());
    }
    for (HWND owner : owners) {
        if (HWND popup = GetLastActivePopup(owner); popup != owner && IsWindowVisible(popup) && IsWindowEnabled(popup))
            return popup;
        if (owner != main.Handle() && IsWindowEnabled(owner))
            return owner;
    }
    return main.Handle();
}

void Application::HandleException(std::exception_ptr error)
{
    std::wstring text;
    try {
        std::rethrow_exception(error);
    } catch (const Abort&) {
        return;
    } catch (const base::Error& e) {
        text = e.Message();
    } catch (const std::exception& e) {
        text = base::Widen(e.what());
    } catch (...) {
        text = kUnexpectedError;
    }
    dialogs_.Message(MessageOwner(), WithFullStop(text), title_, MB_OK | MB_ICONERROR);
}

void Application::ShowMessage(const std::wstring& text)
{
    dialogs_.Message(MessageOwner(), text, title_, MB_OK);
}

LRESULT CALLBACK Application::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND && current) {
        try {
            switch (wParam & 0xFFF0) {
            case SC_MINIMIZE:
                current->Minimize();
                return 0;
            case SC_RESTORE:
                current->Restore();
                return 0;
            case SC_CLOSE:
                if (Form* main = current->MainForm())
                    PostMessageW(main->Handle(), WM_CLOSE, 0, 0);
                return 0;
            }
        } catch (...) {
            current->HandleException(std::current_exception());
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}
