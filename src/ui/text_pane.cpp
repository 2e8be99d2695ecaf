// The program-drawn read-only text view.
#include "ui/text_pane.h"

#include "ui/application.h"
#include "ui/window.h"

#include <algorithm>

namespace ui {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraTextView";
constexpr int kMargin = 2;
constexpr int kWheelLines = 3;

// A device context of the window with the view's font selected, given back when done.
class FontDc {
public:
    FontDc(HWND window, HFONT font) : window_(window), dc_(GetDC(window))
    {
        old_ = SelectObject(dc_, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    }
    ~FontDc()
    {
        SelectObject(dc_, old_);
        ReleaseDC(window_, dc_);
    }
    FontDc(const FontDc&) = delete;
    FontDc& operator=(const FontDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ old_;
};

bool KeyDown(int key)
{
    return GetKeyState(key) < 0;
}

}

const wchar_t* TextPane::ClassName()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(Instance(), kClassName, &windowClass)) {
        windowClass.lpfnWndProc = &TextPane::Procedure;
        windowClass.hInstance = Instance();
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        RegisterClassExW(&windowClass);
    }
    return kClassName;
}

TextPane::TextPane(HWND window) : window_(window)
{
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // The font the control was created with came before this object: take the parent's, as it was.
    font_ = reinterpret_cast<HFONT>(SendMessageW(GetParent(window_), WM_GETFONT, 0, 0));
    Layout();
}

TextPane::~TextPane()
{
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

LRESULT CALLBACK TextPane::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TextPane*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        Application::Current().HandleException(std::current_exception());
        return 0;
    }
}

LRESULT TextPane::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter does nothing here, as in a multi-line text control: it must not reach the window as
        // its default command. Tab and Esc are the window's.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        layoutWidth_ = -1;
        Layout();
        if (LOWORD(lParam))
            InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT:
        SetText(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
        return TRUE;
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(text_.size());
    case WM_GETTEXT: {
        if (wParam == 0 || !lParam)
            return 0;
        const size_t count = std::min<size_t>(text_.size(), wParam - 1);
        auto* buffer = reinterpret_cast<wchar_t*>(lParam);
        std::copy_n(text_.data(), count, buffer);
        buffer[count] = L'\0';
        return static_cast<LRESULT>(count);
    }
    case EM_GETLINECOUNT:
        return static_cast<LRESULT>(lines_.size());
    case EM_GETFIRSTVISIBLELINE:
        return top_;
    case WM_COPY:
        CopyAll();
        return 0;
    case WM_SIZE:
        Layout();
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the painting fills the background
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
        ::SetFocus(window_);
        return 0;
    case WM_VSCROLL:
        OnScroll(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_KEYDOWN:
        if (OnKeyDown(wParam))
            return 0;
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void TextPane::SetText(std::wstring text)
{
    text_ = std::move(text);
    top_ = 0;
    layoutWidth_ = -1;
    Layout();
    InvalidateRect(window_, nullptr, TRUE);
}

void TextPane::Layout()
{
    RECT client;
    GetClientRect(window_, &client);
    const int width = std::max(1, static_cast<int>(client.right) - 2 * kMargin);
    if (width != layoutWidth_) {
        FontDc dc(window_, font_);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc.Get(), &metrics);
        lineHeight_ = std::max(1, static_cast<int>(metrics.tmHeight));
        lines_ = WrapText(text_, width, [&dc](const wchar_t* text, int count, int maxWidth) {
            int fit = 0;
            SIZE size{};
            GetTextExtentExPointW(dc.Get(), text, count, maxWidth, &fit, nullptr, &size);
            return fit;
        });
        layoutWidth_ = width;
    }
    ScrollTo(top_);
    UpdateScrollBar();
}

int TextPane::PageLines() const
{
    RECT client;
    GetClientRect(window_, &client);
    return std::max(1, static_cast<int>(client.bottom) / lineHeight_);
}

void TextPane::ScrollTo(long long line)
{
    const long long last = std::max(0LL, static_cast<long long>(lines_.size()) - PageLines());
    const int top = static_cast<int>(std::clamp(line, 0LL, last));
    if (top == top_)
        return;
    top_ = top;
    UpdateScrollBar();
    InvalidateRect(window_, nullptr, TRUE);
}

void TextPane::UpdateScrollBar()
{
    // Setting the scroll information would add a bar to a view made without one.
    if (!(GetWindowLongW(window_, GWL_STYLE) & WS_VSCROLL))
        return;
    const BarState next{.max = static_cast<int>(lines_.size()) - 1, .page = PageLines(), .position = top_};
    if (bar_ == next)
        return;
    // Drawing a bar is slow with some visual styles; a bar with nothing to scroll is drawn disabled,
    // the same whatever its numbers, so it is given them without being drawn again.
    const bool looksTheSame = bar_ && !bar_->Scrolls() && !next.Scrolls();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = next.max;
    info.nPage = static_cast<UINT>(next.page);
    info.nPos = next.position;
    SetScrollInfo(window_, SB_VERT, &info, !looksTheSame);
    bar_ = next;
}

void TextPane::OnScroll(WORD request)
{
    const int page = PageLines();
    switch (request) {
    case SB_LINEUP: ScrollTo(top_ - 1LL); break;
    case SB_LINEDOWN: ScrollTo(top_ + 1LL); break;
    case SB_PAGEUP: ScrollTo(static_cast<long long>(top_) - page); break;
    case SB_PAGEDOWN: ScrollTo(static_cast<long long>(top_) + page); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(static_cast<long long>(lines_.size())); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The message's own position has only 16 bits: a long text has more lines than that.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(window_, SB_VERT, &info);
        ScrollTo(info.nTrackPos);
        break;
    }
    }
}

bool TextPane::OnKeyDown(WPARAM key)
{
    const bool control = KeyDown(VK_CONTROL);
    switch (key) {
    case VK_UP: OnScroll(SB_LINEUP); return true;
    case VK_DOWN: OnScroll(SB_LINEDOWN); return true;
    case VK_PRIOR: OnScroll(SB_PAGEUP); return true;
    case VK_NEXT: OnScroll(SB_PAGEDOWN); return true;
    case VK_HOME: OnScroll(SB_TOP); return true;
    case VK_END: OnScroll(SB_BOTTOM); return true;
    case 'A':
    case 'C':
    case VK_INSERT:
        if (!control)
            return false;
        CopyAll();
        return true;
    }
    return false;
}

void TextPane::OnWheel(int delta)
{
    wheelDelta_ += delta;
    const int notches = wheelDelta_ / WHEEL_DELTA;
    wheelDelta_ -= notches * WHEEL_DELTA;
    ScrollTo(static_cast<long long>(top_) - static_cast<long long>(notches) * kWheelLines);
}

void TextPane::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    // The parent chooses the colours as for any read-only text control.
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(window_), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window_)));
    FillRect(dc, &paint.rcPaint, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ old = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    const size_t first = static_cast<size_t>(top_) + paint.rcPaint.top / lineHeight_;
    const size_t last = std::min<size_t>(lines_.size(), static_cast<size_t>(top_) + (paint.rcPaint.bottom + lineHeight_ - 1) / lineHeight_);
    for (size_t line = first; line < last; ++line) {
        const int y = static_cast<int>(line - top_) * lineHeight_;
        ExtTextOutW(dc, kMargin, y, ETO_CLIPPED, &client, text_.data() + lines_[line].start,
                    static_cast<UINT>(lines_[line].length), nullptr);
    }
    if (GetFocus() == window_)
        DrawFocusRect(dc, &client);
    SelectObject(dc, old);
    EndPaint(window_, &paint);
}

void TextPane::CopyAll() const
{
    if (!OpenClipboard(window_))
        return;
    EmptyClipboard();
    const size_t bytes = (text_.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
            std::copy_n(text_.c_str(), text_.size() + 1, target);
            GlobalUnlock(memory);
        }
        // The clipboard owns the memory once it took it; freed here only when it did not.
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

}
