// Picture and panel containers. They do not clip their children, so transparent labels on them
// show the picture underneath; dialog navigation walks into them (WS_EX_CONTROLPARENT).
#include "ui/picture.h"

#include "ui/dpi.h"

#include <utility>

namespace ui {

Picture::Picture(Args args) : source_(std::move(args.picture)), stretch_(args.stretch), button_(args.button)
{
    Create({.className = L"VelmoraPicture",
            .style = WS_CHILD | WS_VISIBLE | (button_ ? DWORD{WS_TABSTOP} : DWORD{0}),
            // A button is one stop of its own; other pictures hold controls the Tab key moves through.
            .exStyle = button_ ? 0u : static_cast<DWORD>(WS_EX_CONTROLPARENT),
            .parent = args.parent,
            .bounds = args.bounds});
}

namespace {

bool PressKey(WPARAM key)
{
    return key == VK_RETURN || key == VK_SPACE;
}

}

LRESULT Picture::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONUP:
        if (onClick) {
            onClick();
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (button_ && LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == Handle()) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_GETDLGCODE:
        // Enter and Space press the button; Tab and the rest keep moving the focus.
        if (button_ && lParam && PressKey(reinterpret_cast<const MSG*>(lParam)->wParam))
            return DLGC_WANTMESSAGE;
        break;
    case WM_KEYDOWN:
        if (button_ && PressKey(wParam) && onClick) {
            onClick();
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(Handle(), nullptr, TRUE);
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

HBITMAP Picture::Pixels()
{
    // Read once: a picture that cannot be read is reported once and the plain colour stays.
    if (auto source = std::exchange(source_, nullptr))
        bitmap_ = source();
    return bitmap_.get();
}

bool Picture::OnEraseBackground(HDC dc)
{
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const HBITMAP pixels = Pixels();
    if (!pixels)
        return true;
    BITMAP info;
    GetObjectW(pixels, sizeof info, &info);
    HDC memory = CreateCompatibleDC(dc);
    auto old = SelectObject(memory, pixels);
    // An unstretched picture keeps its 96 dpi size, which on a scaled screen is more pixels: it is
    // smoothed there, not blown up into blocks.
    const int dpi = DpiOf(Handle());
    const int width = stretch_ ? r.right : Scaled(info.bmWidth, dpi);
    const int height = stretch_ ? r.bottom : Scaled(info.bmHeight, dpi);
    if (width == info.bmWidth && height == info.bmHeight) {
        BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, width, height, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    if (button_ && GetFocus() == Handle()) {
        InflateRect(&r, -2, -2);
        DrawFocusRect(dc, &r);
    }
    return true;
}

Panel::Panel(const Args& args) : inner_(args.inner), outer_(args.outer), color_(args.color)
{
    Create({.className = L"VelmoraPanel",
            .style = WS_CHILD | WS_VISIBLE | (args.singleBorder ? DWORD{WS_BORDER} : DWORD{0}),
            .exStyle = WS_EX_CONTROLPARENT,
            .parent = args.parent,
            .bounds = args.bounds});
}

bool Panel::OnEraseBackground(HDC dc)
{
    RECT r;
    GetClientRect(Handle(), &r);
    Brush brush(CreateSolidBrush(color_.Resolve()));
    FillRect(dc, &r, brush.get());
    UINT edge = 0;
    if (outer_ == Bevel::Lowered)
        edge |= BDR_SUNKENOUTER;
    if (outer_ == Bevel::Raised)
        edge |= BDR_RAISEDOUTER;
    if (inner_ == Bevel::Lowered)
        edge |= BDR_SUNKENINNER;
    if (inner_ == Bevel::Raised)
        edge |= BDR_RAISEDINNER;
    if (edge)
        DrawEdge(dc, &r, edge, BF_RECT);
    return true;
}

}
