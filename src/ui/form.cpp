// Top-level forms: creation with a fixed client size, modal showing and closing.
#include "ui/form.h"

#include "ui/application.h"
#include "ui/dpi.h"

#include <algorithm>
#include <map>
#include <vector>

namespace ui {
namespace {

// Counts the showings of every form, so that a modal form knows which ones were shown while it ran.
unsigned showings = 0;

DWORD StyleOf(const FormArgs& args)
{
    switch (args.border) {
    case Border::None:
        return WS_POPUP | WS_CLIPCHILDREN;
    case Border::Dialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;
    case Border::Single:
        break;
    }
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (args.minimizeButton ? WS_MINIMIZEBOX : 0);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

Rect CentredOnScreen(const FormArgs& args, DWORD style, DWORD exStyle)
{
    // A new window opens on the primary screen, whose dpi is the system's.
    const int dpi = SystemDpi();
    RECT r{0, 0, Scaled(args.clientWidth, dpi), Scaled(args.clientHeight, dpi)};
    AdjustForFrame(r, style, exStyle, dpi);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height};
}

}

Form::Form(const FormArgs& args)
    : color_(args.color),
      fontSpec_(args.font),
      font_(CreateFontHandle(args.font)),
      clientWidth_(args.clientWidth),
      clientHeight_(args.clientHeight),
      overMainForm_(args.overMainForm)
{
    const DWORD style = StyleOf(args);
    const DWORD exStyle = args.border == Border::Dialog ? WS_EX_DLGMODALFRAME : 0;
    CreateArgs create;
    create.className = args.className;
    create.style = style;
    create.exStyle = exStyle;
    create.parent = Application::Current().Handle();
    create.bounds = CentredOnScreen(args, style, exStyle);
    create.text = args.caption;
    create.icon = LoadIconW(Instance(), MAKEINTRESOURCEW(1));
    Create(create);
    Application::Current().AddForm(*this);
}

Form::~Form()
{
    Application::Current().RemoveForm(*this);
}

void Form::SetMenuBar(const std::vector<MenuItem>& items, const MenuPictures& pictures)
{
    MenuHandle menu = BuildMenuBar(items, pictures);
    menuPictures_ = &pictures;
    ShowMenuPictures(menu.get(), pictures, dpi_);
    SetMenu(Handle(), menu.release());
    // A menu bar may wrap onto more lines than AdjustWindowRect assumes: measure the real client area.
    RECT window;
    GetWindowRect(Handle(), &window);
    RECT client;
    GetClientRect(Handle(), &client);
    const int dpi = DpiOf(Handle());
    const int width = window.right - window.left + Scaled(clientWidth_, dpi) - client.right;
    const int height = window.bottom - window.top + Scaled(clientHeight_, dpi) - client.bottom;
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                 width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show(int showCommand)
{
    shownAt_ = ++showings;
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
}

void Form::Hide()
{
    ShowWindow(Handle(), SW_HIDE);
}

void Form::Close()
{
    SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void Form::ShowModal()
{
    // Already shown modally (the tray menu reaches the About box while it is open): only brought to
    // the front. A second loop inside the first would end with it, and both would close on one Esc.
    if (modal_) {
        SetForegroundWindow(Handle());
        return;
    }
    auto& app = Application::Current();
    const HWND previous = GetActiveWindow();
    std::vector<HWND> disabled;
    for (Form* form : app.Forms()) {
        if (form != this && IsWindowEnabled(form->Handle())) {
            EnableWindow(form->Handle(), FALSE);
            disabled.push_back(form->Handle());
        }
    }
    modal_ = true;
    Show();
    const unsigned shown = shownAt_;
    SetForegroundWindow(Handle());
    app.ProcessUntil([this] { return !modal_; });
    // Hidden while the others were still disabled, this window would leave the activation to the
    // zero-size application window: enable them, hand the activation back, and only then hide.
    for (HWND window : disabled)
        EnableWindow(window, TRUE);
    ActivateNext(previous, shown);
    Hide();
    modal_ = false;
}

void Form::ActivateNext(HWND previous, unsigned shown)
{
    // A window this one showed on its way out (the add-recipe window shows the my-recipes one, open
    // or not) is where the user goes next; otherwise the one that was active before.
    auto& app = Application::Current();
    HWND next = previous;
    unsigned latest = shown;
    for (Form* form : app.Forms()) {
        if (form != this && form->shownAt_ > latest && form->Visible()) {
            latest = form->shownAt_;
            next = form->Handle();
        }
    }
    if (next && next != Handle() && IsWindow(next)) {
        SetForegroundWindow(next);
        // Shown while it was disabled, it became active without its controls taking the focus.
        if (Form* form = app.FormOf(next); form && !IsChild(next, GetFocus()))
            form->RestoreFocus();
    }
}

void Form::FocusFirstControl()
{
    if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE))
        FocusControl(first);
}

void Form::FocusControl(HWND control)
{
    ::SetFocus(control);
    // As in dialogs, a one-line entry field is entered with its text selected.
    if ((SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) && !(GetWindowLongW(control, GWL_STYLE) & ES_MULTILINE))
        SendMessageW(control, EM_SETSEL, 0, -1);
}

void Form::MoveFocus(bool backward)
{
    HWND focus = GetFocus();
    if (!focus || !IsChild(Handle(), focus))
        focus = nullptr;
    if (HWND next = GetNextDlgTabItem(Handle(), focus, backward))
        FocusControl(next);
}

void Form::OnActivate(bool active)
{
    if (!active) {
        if (HWND focus = GetFocus(); focus && IsChild(Handle(), focus))
            lastFocus_ = focus;
        return;
    }
    RestoreFocus();
}

void Form::RestoreFocus()
{
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) && IsWindowVisible(lastFocus_) &&
        IsWindowEnabled(lastFocus_))
        ::SetFocus(lastFocus_);
    else
        FocusFirstControl();
}

void Form::CentreOverMainForm()
{
    const Form* main = Application::Current().MainForm();
    if (!main || main == this || !main->Visible())
        return;
    RECT over;
    RECT own;
    GetWindowRect(main->Handle(), &over);
    GetWindowRect(Handle(), &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcWork;
    // Kept whole on the screen, the title bar first.
    const int left = std::max<int>(screen.left, std::min<int>(screen.right - width, (over.left + over.right - width) / 2));
    const int top = std::max<int>(screen.top, std::min<int>(screen.bottom - height, (over.top + over.bottom - height) / 2));
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::RunCreationHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        Application::Current().HandleException(std::current_exception());
    }
}

void Form::OnCloseRequest()
{
    FormClose();
    auto& app = Application::Current();
    if (app.MainForm() == this) {
        Hide();
        app.Terminate();
        return;
    }
    if (modal_) {
        // ShowModal hides it once the other windows are usable again.
        modal_ = false;
        return;
    }
    Hide();
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SHOWWINDOW)
        activationPending_ = wParam != FALSE;
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && activationPending_) {
        activationPending_ = false;
        RunCreationHandler([this] { FormActivate(); });
    }
    switch (message) {
    case WM_CLOSE:
        OnCloseRequest();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(Font());
    case WM_ACTIVATE:
        // Not handed on: the default would put the focus on the form itself, out of the keyboard's reach.
        if (LOWORD(wParam) == WA_INACTIVE)
            OnActivate(false);
        else if (!HIWORD(wParam))
            OnActivate(true);
        return 0;
    case WM_SETFOCUS:
        OnActivate(true);
        return 0;
    case WM_NEXTDLGCTL:
        if (LOWORD(lParam))
            FocusControl(reinterpret_cast<HWND>(wParam));
        else
            MoveFocus(wParam != 0);
        return 0;
    case WM_COMMAND:
        // Esc, as dialog navigation reports it: no control has the ID IDCANCEL.
        if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
            if (modal_)
                Close();
            return 0;
        }
        break;
    case WM_SHOWWINDOW:
        if (wParam) {
            if (overMainForm_)
                CentreOverMainForm();
            FormShow();
        }
        break;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && Application::Current().MainForm() == this) {
            Application::Current().Minimize();
            return 0;
        }
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void Form::OnDpiChanged(int dpi, const RECT& suggested)
{
    const int from = dpi_;
    dpi_ = dpi;
    if (from == dpi)
        return;
    FontHandle newFont = CreateFontHandle(fontSpec_, dpi);
    // Every control grows or shrinks in place with the scale, and so does a font of its own: the
    // form keeps the scaled copies for as long as it lives.
    std::map<HFONT, HFONT> scaledFonts{{font_.get(), newFont.get()}};
    std::vector<HWND> children;
    EnumChildWindows(Handle(), &CollectWindow, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children)
        ScaleChild(child, from, dpi, scaledFonts);
    for (HWND child : children) {
        if (Control* control = Control::FromHandle(child))
            control->OnDpiChanged(from, dpi);
    }
    if (menuPictures_)
        ShowMenuPictures(MenuBar(), *menuPictures_, dpi);
    font_ = std::move(newFont);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::ScaleChild(HWND child, int from, int dpi, std::map<HFONT, HFONT>& scaledFonts)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    const auto scale = [&](LONG value) { return MulDiv(value, dpi, from); };
    MoveWindow(child, scale(r.left), scale(r.top), scale(r.right - r.left), scale(r.bottom - r.top), FALSE);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
    if (!font)
        return;
    auto scaled = scaledFonts.find(font);
    if (scaled == scaledFonts.end()) {
        LOGFONTW description{};
        GetObjectW(font, sizeof description, &description);
        description.lfHeight = MulDiv(description.lfHeight, dpi, from);
        ownFonts_.emplace_back(CreateFontIndirectW(&description));
        scaled = scaledFonts.emplace(font, ownFonts_.back().get()).first;
    }
    // A control of ours measures again what depends on its font (a list's scroll width).
    if (Control* control = Control::FromHandle(child))
        control->SetFontHandle(scaled->second);
    else
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(scaled->second), FALSE);
}

bool Form::OnEraseBackground(HDC dc)
{
    RECT r;
    GetClientRect(Handle(), &r);
    Brush brush(CreateSolidBrush(color_.Resolve()));
    FillRect(dc, &r, brush.get());
    return true;
}

}
