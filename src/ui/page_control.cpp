// The page control over the common controls' tab control; the pages are siblings laid over its display area.
#include "ui/page_control.h"

#include "ui/dpi.h"

#include <commctrl.h>

namespace ui {

TabPage::TabPage(HWND parent, const Rect& bounds)
{
    Create({.className = L"VelmoraTabPage",
            .style = WS_CHILD | WS_CLIPCHILDREN,
            .exStyle = WS_EX_CONTROLPARENT,
            .parent = parent,
            .bounds = bounds});
}

bool TabPage::OnEraseBackground(HDC dc)
{
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

PageControl::PageControl(const Args& args)
{
    Create({.className = WC_TABCONTROLW,
            .parent = args.parent,
            .bounds = args.bounds,
            .style = TCS_HOTTRACK | TCS_MULTILINE | TCS_TABS | WS_TABSTOP | WS_CLIPSIBLINGS});
    for (int index = 0; index < static_cast<int>(args.captions.size()); ++index) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(args.captions[index].c_str());
        Send(TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    }
    // The tabs may wrap onto several rows: the pages get what is left below them.
    // Measured on the screen and given back at 96 dpi, as places are.
    const int dpi = DpiOf(Handle());
    RECT display{0, 0, Scaled(args.bounds.width, dpi), Scaled(args.bounds.height, dpi)};
    Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    pageWidth_ = Unscaled(display.right - display.left, dpi);
    pageHeight_ = Unscaled(display.bottom - display.top, dpi);
    const Rect bounds{args.bounds.left + Unscaled(display.left, dpi), args.bounds.top + Unscaled(display.top, dpi), pageWidth_,
                      pageHeight_};
    for (size_t index = 0; index < args.captions.size(); ++index)
        pages_.push_back(std::make_unique<TabPage>(args.parent, bounds));
    if (!pages_.empty())
        ShowWindow(pages_.front()->Handle(), SW_SHOW);
}

int PageControl::SelectedIndex() const
{
    return static_cast<int>(Send(TCM_GETCURSEL));
}

void PageControl::Choose(int index)
{
    if (index == SelectedIndex() || index < 0 || index >= PageCount())
        return;
    Send(TCM_SETCURSEL, index);
    ShowPage(index);
    if (onChange)
        onChange();
}

void PageControl::ShowSelected()
{
    if (onPageShow && SelectedIndex() >= 0)
        onPageShow(SelectedIndex());
}

void PageControl::ShowPage(int index)
{
    const HWND focus = GetFocus();
    for (int page = 0; page < PageCount(); ++page) {
        if (page != index && IsWindowVisible(Page(page))) {
            // The keyboard focus does not stay behind on a hidden page.
            if (focus && IsChild(Page(page), focus))
                SetFocus();
            ShowWindow(Page(page), SW_HIDE);
        }
    }
    ShowWindow(Page(index), SW_SHOW);
    if (onPageShow)
        onPageShow(index);
}

bool PageControl::HandleKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0 || PageCount() == 0)
        return false;
    const int step = GetKeyState(VK_SHIFT) < 0 ? PageCount() - 1 : 1;
    Choose((SelectedIndex() + step) % PageCount());
    return true;
}

LRESULT PageControl::OnNotify(NMHDR* header)
{
    if (header->code == TCN_SELCHANGE) {
        ShowPage(SelectedIndex());
        if (onChange)
            onChange();
    }
    return 0;
}

}
