// The window base and the routing of child notifications to control objects.
#include "ui/window.h"

#include "ui/application.h"
#include "ui/dpi.h"
#include "base/error.h"
#include "ui/popup_menu.h"
#include "ui/texts.h"

#include <windowsx.h>

namespace ui {
namespace {

constexpr wchar_t kControlProperty[] = L"Velmora.Control";

bool IsChildWindow(HWND window)
{
    return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
}

// A child's place is given at 96 dpi, in its parent's client area; a top-level window's in pixels.
Rect OnScreen(HWND window, const Rect& bounds)
{
    return IsChildWindow(window) ? Scaled(bounds, DpiOf(window)) : bounds;
}

std::wstring WindowText(HWND window)
{
    std::wstring text(GetWindowTextLengthW(window), L'\0');
    if (!text.empty())
        text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1));
    return text;
}

}

HINSTANCE Instance()
{
    return GetModuleHandleW(nullptr);
}

std::wstring Window::Text() const
{
    return WindowText(Handle());
}

void Window::SetText(const std::wstring& text)
{
    SetWindowTextW(Handle(), text.c_str());
}

bool Window::Visible() const
{
    return IsWindowVisible(Handle()) != FALSE;
}

void Window::SetBounds(const Rect& bounds)
{
    const Rect b = OnScreen(Handle(), bounds);
    MoveWindow(Handle(), b.left, b.top, b.width, b.height, TRUE);
    // What is drawn along the edges (a panel's bevel) moves with the size: draw it all again.
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Window::StartTimer(UINT_PTR id, UINT interval, std::function<void()> onTimer)
{
    timers_[id] = std::move(onTimer);
    SetTimer(Handle(), id, interval, nullptr);
}

void Window::StopTimer(UINT_PTR id)
{
    KillTimer(Handle(), id);
    timers_.erase(id);
}

void Window::Create(const CreateArgs& args)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(Instance(), args.className, &windowClass)) {
        windowClass.lpfnWndProc = &Window::Procedure;
        windowClass.hInstance = Instance();
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = args.background;
        windowClass.hIcon = args.icon;
        windowClass.lpszClassName = args.className;
        RegisterClassExW(&windowClass);
    }
    const Rect b = (args.style & WS_CHILD) ? Scaled(args.bounds, DpiOf(args.parent)) : args.bounds;
    HWND window = CreateWindowExW(args.exStyle, args.className, args.text.c_str(), args.style, b.left, b.top,
                                  b.width, b.height, args.parent, args.menu, Instance(), this);
    if (!window)
        throw base::Error(WindowNotMade(args.text, GetLastError()));
    if (handle_.get() != window)
        handle_.reset(window);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->handle_.reset(window);
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_.release();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return RunGuarded([&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (RouteToControl(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 && OnMenuCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_TIMER:
        if (auto timer = timers_.find(wParam); timer != timers_.end()) {
            auto onTimer = timer->second;
            onTimer();
            return 0;
        }
        break;
    case WM_GETFONT:
        if (HWND parent = GetParent(Handle()))
            return SendMessageW(parent, WM_GETFONT, 0, 0);
        break;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            const int dpi = DpiOf(Handle());
            OnSize(Unscaled(LOWORD(lParam), dpi), Unscaled(HIWORD(lParam), dpi));
        }
        break;
    case WM_NEXTDLGCTL:
        // A multi-line text view asks its parent to move the focus on; a container passes that to its form.
        if (GetWindowLongW(Handle(), GWL_STYLE) & WS_CHILD)
            return SendMessageW(GetAncestor(Handle(), GA_ROOT), message, wParam, lParam);
        break;
    case WM_CLOSE:
        // Esc in a multi-line text view asks its parent to close: for a container that is the form's Esc,
        // never the end of the container and the controls on it.
        if (GetWindowLongW(Handle(), GWL_STYLE) & WS_CHILD)
            return SendMessageW(GetAncestor(Handle(), GA_ROOT), WM_COMMAND, IDCANCEL, 0);
        break;
    case WM_ERASEBKGND:
        if (OnEraseBackground(reinterpret_cast<HDC>(wParam)))
            return 1;
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        OnPaint(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    }
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

bool Window::RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    Control* control = nullptr;
    switch (message) {
    case WM_COMMAND:
        if ((control = Control::FromHandle(reinterpret_cast<HWND>(lParam))))
            control->OnCommandNotification(HIWORD(wParam));
        result = 0;
        return control != nullptr;
    case WM_NOTIFY:
        if ((control = Control::FromHandle(reinterpret_cast<NMHDR*>(lParam)->hwndFrom)))
            result = control->OnNotify(reinterpret_cast<NMHDR*>(lParam));
        return control != nullptr;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        result = TRUE;
        return item.CtlType != ODT_MENU && (control = Control::FromHandle(item.hwndItem)) && control->OnDrawItem(item);
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if ((control = Control::FromHandle(reinterpret_cast<HWND>(lParam)))) {
            if (HBRUSH brush = control->OnControlColor(reinterpret_cast<HDC>(wParam))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        return false;
    case WM_CONTEXTMENU:
        result = 0;
        return (control = Control::FromHandle(reinterpret_cast<HWND>(wParam))) && control->OnContextMenu(lParam);
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && (control = Control::FromHandle(reinterpret_cast<HWND>(wParam))) &&
            control->OnSetCursor()) {
            result = TRUE;
            return true;
        }
        return false;
    }
    return false;
}

Control* Control::FromHandle(HWND window)
{
    return window ? static_cast<Control*>(GetPropW(window, kControlProperty)) : nullptr;
}

void Control::Create(const CreateArgs& args)
{
    const Rect b = Scaled(args.bounds, DpiOf(args.parent));
    HWND window = CreateWindowExW(args.exStyle, args.className, args.text.c_str(), args.style | WS_CHILD | WS_VISIBLE,
                                  b.left, b.top, b.width, b.height, args.parent, nullptr, Instance(), nullptr);
    if (!window)
        throw base::Error(ControlNotMade(args.className));
    SetPropW(window, kControlProperty, this);
    handle_.reset(window);
    SendMessageW(window, WM_SETFONT, SendMessageW(args.parent, WM_GETFONT, 0, 0), FALSE);
}

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageW(Handle(), message, wParam, lParam);
}

std::wstring Control::Text() const
{
    return WindowText(Handle());
}

void Control::SetText(const std::wstring& text)
{
    SetWindowTextW(Handle(), text.c_str());
}

void Control::SetFocus()
{
    ::SetFocus(Handle());
}

void Control::SetBounds(const Rect& bounds)
{
    const Rect b = OnScreen(Handle(), bounds);
    MoveWindow(Handle(), b.left, b.top, b.width, b.height, TRUE);
}

void Control::SetColor(Color color)
{
    color_ = color;
    colored_ = true;
    OnColorChanged(color.Resolve());
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void Control::SetFontHandle(HFONT font)
{
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    OnFontChanged();
}

void Control::BeginUpdate()
{
    updating_ = true;
    Send(WM_SETREDRAW, FALSE);
}

void Control::EndUpdate()
{
    updating_ = false;
    OnEndUpdate();
    Send(WM_SETREDRAW, TRUE);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HBRUSH Control::OnControlColor(HDC dc)
{
    if (!colored_)
        return nullptr;
    const COLORREF color = color_.Resolve();
    if (!brush_ || color != brushColor_) {
        brush_.reset(CreateSolidBrush(color));
        brushColor_ = color;
    }
    SetBkColor(dc, color);
    return brush_.get();
}

bool Control::OnContextMenu(LPARAM at)
{
    if (!popupMenu_)
        return false;
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        // From the keyboard: at the control's top left corner.
        RECT r;
        GetWindowRect(Handle(), &r);
        point = {r.left + 4, r.top + 4};
    }
    popupMenu_->Popup(GetAncestor(Handle(), GA_ROOT), point);
    return true;
}

bool Control::OnSetCursor()
{
    if (!cursor_)
        return false;
    ::SetCursor(cursor_);
    return true;
}

}
