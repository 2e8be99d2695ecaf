// The standard controls.
#include "ui/controls.h"

#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/subclass.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {
namespace {

DWORD BorderStyle(bool flat)
{
    return flat ? WS_BORDER : 0;
}

DWORD BorderExStyle(bool flat)
{
    return flat ? 0 : WS_EX_CLIENTEDGE;
}

}

ListBox::ListBox(const Args& args) : horizontalScroll_(args.horizontalScroll)
{
    Create({.className = L"LISTBOX",
            .parent = args.parent,
            .bounds = args.bounds,
            .style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | BorderStyle(args.flat) |
                     (horizontalScroll_ ? DWORD{WS_HSCROLL} : 0),
            .exStyle = BorderExStyle(args.flat)});
    Send(LB_SETITEMHEIGHT, 0, Scaled(args.itemHeight, DpiOf(Handle())));
}

void ListBox::Clear()
{
    Send(LB_RESETCONTENT);
    widest_ = 0;
    if (horizontalScroll_)
        Send(LB_SETHORIZONTALEXTENT, 0);
}

void ListBox::Add(const std::wstring& item)
{
    Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (!horizontalScroll_)
        return;
    if (const int width = TextWidth(item); width > widest_) {
        widest_ = width;
        if (!Updating())
            Send(LB_SETHORIZONTALEXTENT, widest_);
    }
}

void ListBox::OnEndUpdate()
{
    if (horizontalScroll_)
        Send(LB_SETHORIZONTALEXTENT, widest_);
}

// A long list is filled entry by entry: asking the system to measure each one would cost more than
// the fill itself. Each character's advance width is read once per font and the widths are added
// up; an entry with a character outside the Basic Multilingual Plane is measured whole. The font is
// asked for once per update (a fill), and otherwise once per entry.
int ListBox::TextWidth(const std::wstring& item) const
{
    if (!fontKnown_ || !Updating()) {
        const auto font = reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT));
        if (font != measuredFont_) {
            for (auto& page : characterWidths_)
                page.reset();
            measuredFont_ = font;
        }
        fontKnown_ = Updating();
    }
    if (!measuring_)
        measuring_.reset(CreateCompatibleDC(nullptr));
    // The font is put into the DC only to read from it, and goes out again, so that whoever owns
    // it can delete it.
    const auto withFont = [&](const auto& read) {
        const HGDIOBJ old = SelectObject(measuring_.get(), measuredFont_);
        read(measuring_.get());
        SelectObject(measuring_.get(), old);
    };
    int width = 0;
    for (const wchar_t character : item) {
        if (character >= 0xD800 && character <= 0xDFFF) {
            SIZE size{};
            withFont([&](HDC dc) { GetTextExtentPoint32W(dc, item.c_str(), static_cast<int>(item.size()), &size); });
            return size.cx + kTextMargin;
        }
        auto& page = characterWidths_[character >> 8];
        if (!page) {
            page = std::make_unique<WidthPage>();
            page->fill(-1);
        }
        int& known = (*page)[character & 0xFF];
        if (known < 0) {
            INT advance = 0;
            withFont([&](HDC dc) { GetCharWidth32W(dc, character, character, &advance); });
            known = advance;
        }
        width += known;
    }
    return width + kTextMargin;
}

void ListBox::OnFontChanged()
{
    for (auto& page : characterWidths_)
        page.reset();
    fontKnown_ = false;
    measuredFont_ = nullptr;
    if (!horizontalScroll_)
        return;
    widest_ = 0;
    for (int index = 0; index < Count(); ++index)
        widest_ = std::max(widest_, TextWidth(Item(index)));
    Send(LB_SETHORIZONTALEXTENT, widest_);
}

void ListBox::Remove(int index)
{
    Send(LB_DELETESTRING, index);
}

int ListBox::Count() const
{
    return static_cast<int>(Send(LB_GETCOUNT));
}

std::wstring ListBox::Item(int index) const
{
    const auto length = Send(LB_GETTEXTLEN, index);
    if (length == LB_ERR)
        return {};
    std::wstring text(length, L'\0');
    Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

int ListBox::SelectedIndex() const
{
    const auto index = Send(LB_GETCURSEL);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::Select(int index)
{
    Send(LB_SETCURSEL, index);
}

RECT ListBox::ItemScreenRect(int index) const
{
    RECT item{};
    if (Send(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return {};
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&item), 2);
    return item;
}

void ListBox::OnCommandNotification(WORD code)
{
    if (code == LBN_SELCHANGE && onSelectionChanged)
        onSelectionChanged();
}

Edit::Edit(const Args& args)
{
    Create({.className = L"EDIT",
            .parent = args.parent,
            .bounds = args.bounds,
            .style = ES_AUTOHSCROLL | WS_TABSTOP | BorderStyle(args.flat),
            .exStyle = BorderExStyle(args.flat)});
    if (args.maxLength > 0)
        Send(EM_SETLIMITTEXT, args.maxLength);
}

void Edit::OnCommandNotification(WORD code)
{
    if (code == EN_MAXTEXT && onMaxText)
        onMaxText();
    if (code == EN_CHANGE && onChange)
        onChange();
}

Label::Label(const Args& args) : transparent_(args.transparent), link_(args.clickable)
{
    SIZE size{args.bounds.width, args.bounds.height};
    Create({.className = L"STATIC",
            .parent = args.parent,
            .bounds = args.bounds,
            .style = SS_LEFT | SS_NOPREFIX | (link_ ? DWORD{SS_NOTIFY | WS_TABSTOP} : DWORD{0}),
            .text = args.text});
    if (link_)
        SetWindowSubclass(Handle(), &SubclassProcedure<Label, &Label::HandleLinkMessage>, 0, reinterpret_cast<DWORD_PTR>(this));
    if (args.font)
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
    if (size.cx == 0) {
        // Auto-size to the caption on one line, as labels do. Blanks at its end show nothing: a label
        // that ends in one (a title before a link) does not reach over what stands after it.
        SetWindowLongW(Handle(), GWL_STYLE, (GetWindowLongW(Handle(), GWL_STYLE) & ~SS_TYPEMASK) | SS_LEFTNOWORDWRAP);
        const auto shown = args.text.find_last_not_of(L' ') + 1;
        HDC dc = GetDC(Handle());
        auto old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)));
        GetTextExtentPoint32W(dc, args.text.c_str(), static_cast<int>(shown), &size);
        SelectObject(dc, old);
        ReleaseDC(Handle(), dc);
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Label::KeepRightOf(const Label& before)
{
    RECT own;
    RECT other;
    GetWindowRect(Handle(), &own);
    GetWindowRect(before.Handle(), &other);
    const int gap = Scaled(2, DpiOf(Handle()));
    if (own.left >= other.right + gap)
        return;
    POINT at{other.right + gap, own.top};
    ScreenToClient(GetParent(Handle()), &at);
    SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Label::~Label()
{
    if (link_)
        RemoveWindowSubclass(Handle(), &SubclassProcedure<Label, &Label::HandleLinkMessage>, 0);
}

LRESULT Label::HandleLinkMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto presses = [](WPARAM key) { return key == VK_RETURN || key == VK_SPACE; };
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter and Space press the link instead of the window's default command.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const bool press = key && key->message == WM_KEYDOWN && presses(key->wParam);
        return DefSubclassProc(Handle(), message, wParam, lParam) | (press ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
        if (presses(wParam)) {
            if (onClick)
                onClick();
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        // A transparent label leaves its background to the parent: draw both again.
        const LRESULT result = DefSubclassProc(Handle(), message, wParam, lParam);
        RECT bounds;
        GetWindowRect(Handle(), &bounds);
        MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&bounds), 2);
        RedrawWindow(GetParent(Handle()), &bounds, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return result;
    }
    case WM_PAINT: {
        const LRESULT result = DefSubclassProc(Handle(), message, wParam, lParam);
        if (GetFocus() == Handle()) {
            HDC dc = GetDC(Handle());
            RECT client;
            GetClientRect(Handle(), &client);
            DrawFocusRect(dc, &client);
            ReleaseDC(Handle(), dc);
        }
        return result;
    }
    }
    return DefSubclassProc(Handle(), message, wParam, lParam);
}

HBRUSH Label::OnControlColor(HDC dc)
{
    if (!transparent_)
        return Control::OnControlColor(dc);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void Label::OnCommandNotification(WORD code)
{
    if (code == STN_CLICKED && onClick)
        onClick();
}

IconImage::IconImage(const Args& args) : icon_(args.icon)
{
    Create({.className = L"STATIC", .parent = args.parent, .bounds = args.bounds, .style = SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE});
    ShowIconAt(DpiOf(Handle()));
    SetBounds(args.bounds);
}

void IconImage::ShowIconAt(int dpi)
{
    // A shared icon is freed by the system, not by its user.
    const int size = Scaled(32, dpi);
    const auto icon = LoadImageW(Instance(), MAKEINTRESOURCEW(icon_), IMAGE_ICON, size, size, LR_SHARED);
    Send(STM_SETICON, reinterpret_cast<WPARAM>(icon));
}

void IconImage::OnDpiChanged(int, int toDpi)
{
    // The control has been moved and sized for the new screen already: it keeps that place.
    RECT r;
    GetWindowRect(Handle(), &r);
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
    ShowIconAt(toDpi);
    MoveWindow(Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

StatusBar::StatusBar(const Args& args)
{
    RECT client;
    GetClientRect(args.parent, &client);
    const int dpi = DpiOf(args.parent);
    const int width = Unscaled(client.right, dpi);
    Create({.className = STATUSCLASSNAMEW,
            .parent = args.parent,
            .bounds = {0, Unscaled(client.bottom, dpi) - args.height, width, args.height},
            .style = CCS_BOTTOM | CCS_NOPARENTALIGN | CCS_NORESIZE});
    std::vector<int> edges;
    int right = 0;
    for (int panel : args.panelWidths)
        edges.push_back(right += Scaled(panel, dpi));
    Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t panel = 0; panel < edges.size(); ++panel)
        SetPanelText(static_cast<int>(panel), L"");
}

void StatusBar::OnDpiChanged(int fromDpi, int toDpi)
{
    std::vector<int> edges(static_cast<size_t>(Send(SB_GETPARTS, 0, 0)));
    Send(SB_GETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int& edge : edges) {
        if (edge >= 0)  // -1: the last panel reaches the right edge
            edge = MulDiv(edge, toDpi, fromDpi);
    }
    Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::SetPanelText(int panel, const std::wstring& text)
{
    Send(SB_SETTEXTW, panel | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring StatusBar::PanelText(int panel) const
{
    const auto length = LOWORD(Send(SB_GETTEXTLENGTHW, panel));
    std::wstring text(length, L'\0');
    Send(SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

}
