// The window base: owns its HWND, dispatches messages to virtual handlers and routes
// child notifications (WM_COMMAND, WM_NOTIFY, colours, cursors) back to the control objects.
#pragma once
#include "ui/color.h"
#include "ui/gdi.h"

#include <functional>
#include <map>
#include <string>

namespace ui {

class Control;
class PopupMenu;

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    HWND Handle() const { return handle_.get(); }
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    bool Visible() const;
    // Place and size in the parent's client area at 96 dpi (the screen's pixels, for a top-level window).
    void SetBounds(const Rect& bounds);

    // Starts a timer owned by this window; the callback runs on WM_TIMER until KillTimer.
    void StartTimer(UINT_PTR id, UINT interval, std::function<void()> onTimer);
    void StopTimer(UINT_PTR id);
    bool TimerRunning(UINT_PTR id) const { return timers_.contains(id); }

protected:
    struct CreateArgs {
        const wchar_t* className = nullptr;
        DWORD style = 0;
        DWORD exStyle = 0;
        HWND parent = nullptr;
        Rect bounds;
        std::wstring text;
        HMENU menu = nullptr;
        HICON icon = nullptr;
        HBRUSH background = nullptr;
    };
    void Create(const CreateArgs& args);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    // Menu and accelerator commands (WM_COMMAND without a control).
    virtual bool OnMenuCommand(UINT) { return false; }
    virtual void OnPaint(HDC) {}
    virtual bool OnEraseBackground(HDC) { return false; }
    // The client area's new size at 96 dpi; not called when the window is minimized.
    virtual void OnSize(int, int) {}

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    WindowHandle handle_;
    std::map<UINT_PTR, std::function<void()>> timers_;
};

// A standard control (list box, edit, static, status bar...) wrapped as an object.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    static Control* FromHandle(HWND window);

    HWND Handle() const { return handle_.get(); }
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    void SetFocus();
    // Place and size in the parent's client area at 96 dpi.
    void SetBounds(const Rect& bounds);

    // Until a colour is set the control keeps the system's; a system colour reference follows the scheme.
    void SetColor(Color color);
    Color BackgroundColor() const { return color_; }
    void SetFontHandle(HFONT font);
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
    // The context menu shown on a right click or the menu key; not owned, may be null.
    void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }
    // Switches redrawing off while the control changes many times, then repaints once.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updating_; }

    // Called by the parent window with the routed messages.
    virtual void OnCommandNotification(WORD) {}
    virtual LRESULT OnNotify(NMHDR*) { return 0; }
    // An owner-drawn control paints itself; true when it did.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
    virtual HBRUSH OnControlColor(HDC dc);
    bool OnSetCursor();
    // The control has moved to a screen of another scale, its place and font already scaled:
    // it scales what it measures inside itself.
    virtual void OnDpiChanged(int /*fromDpi*/, int /*toDpi*/) {}
    // `at` is the screen point of WM_CONTEXTMENU; -1 for the keyboard. False when there is no menu.
    bool OnContextMenu(LPARAM at);

protected:
    // A control that paints its background itself takes the colour here; others ask the parent.
    virtual void OnColorChanged(COLORREF) {}
    // Runs after the control has taken a new font.
    virtual void OnFontChanged() {}
    // Runs at the end of an update, before the control is drawn again: what a control works out
    // from all its changes (a list's widest entry) is shown once, not after each change.
    virtual void OnEndUpdate() {}
    struct CreateArgs {
        const wchar_t* className = nullptr;
        HWND parent = nullptr;
        Rect bounds;
        DWORD style = 0;
        DWORD exStyle = 0;
        std::wstring text;
    };
    void Create(const CreateArgs& args);
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

private:
    WindowHandle handle_;
    Color color_ = Color::System(COLOR_WINDOW);
    bool colored_ = false;
    COLORREF brushColor_ = CLR_INVALID;
    Brush brush_;
    HCURSOR cursor_ = nullptr;
    PopupMenu* popupMenu_ = nullptr;
    bool updating_ = false;
};

HINSTANCE Instance();

}
