// The program-drawn read-only text view.
#include "ui/text_pane.h"

#include "ui/application.h"
#include "ui/window.h"

#include <windowsx.h>

#include <algorithm>
#include <cwctype>
#include <string_view>

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
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &TextPane::Procedure;
        windowClass.hInstance = Instance();
        windowClass.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
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
    return RunGuarded([&] { return self->HandleMessage(message, wParam, lParam); });
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
        Copy();
        return 0;
    case EM_GETSEL: {
        const auto [start, end] = std::minmax(anchor_, caret_);
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
        return MAKELRESULT(std::min<size_t>(start, 0xFFFF), std::min<size_t>(end, 0xFFFF));
    }
    case EM_SETSEL: {
        // As in a text control: a start of -1 takes the selection away, an end of -1 is the text's end.
        const auto start = static_cast<int>(wParam);
        const auto end = static_cast<int>(lParam);
        if (start < 0)
            Select(caret_, caret_);
        else
            Select(static_cast<size_t>(start), end < 0 ? text_.size() : static_cast<size_t>(end));
        return 0;
    }
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
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        OnMouse(message, wParam, lParam);
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
    anchor_ = caret_ = 0;
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
        if (!control)
            return false;
        Select(0, text_.size());
        Copy();
        return true;
    case 'C':
    case VK_INSERT:
        if (!control)
            return false;
        Copy();
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
    // A text control shows its selection only while it has the focus.
    const bool focused = GetFocus() == window_;
    for (size_t line = first; line < last; ++line) {
        const int y = static_cast<int>(line - top_) * lineHeight_;
        ExtTextOutW(dc, kMargin, y, ETO_CLIPPED, &client, text_.data() + lines_[line].start,
                    static_cast<UINT>(lines_[line].length), nullptr);
        if (focused)
            PaintSelection(dc, lines_[line], y);
    }
    if (GetFocus() == window_)
        DrawFocusRect(dc, &client);
    SelectObject(dc, old);
    EndPaint(window_, &paint);
}

void TextPane::PaintSelection(HDC dc, const TextLine& line, int y) const
{
    const auto [start, end] = std::minmax(anchor_, caret_);
    const size_t from = std::max(start, line.start);
    const size_t to = std::min(end, line.start + line.length);
    if (from >= to)
        return;
    const RECT band{XOf(dc, line, from), y, XOf(dc, line, to), y + lineHeight_};
    const COLORREF text = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    const COLORREF back = SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    ExtTextOutW(dc, band.left, y, ETO_OPAQUE | ETO_CLIPPED, &band, text_.data() + from, static_cast<UINT>(to - from), nullptr);
    SetBkColor(dc, back);
    SetTextColor(dc, text);
}

int TextPane::XOf(HDC dc, const TextLine& line, size_t position) const
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text_.data() + line.start, static_cast<int>(position - line.start), &size);
    return kMargin + static_cast<int>(size.cx);
}

size_t TextPane::PositionAt(POINT point) const
{
    const long long row = static_cast<long long>(top_) + (point.y < 0 ? -1 : point.y / lineHeight_);
    if (row < 0)
        return 0;
    if (row >= static_cast<long long>(lines_.size()))
        return text_.size();
    const TextLine& line = lines_[static_cast<size_t>(row)];
    const int x = point.x - kMargin;
    if (x <= 0 || line.length == 0)
        return line.start;
    FontDc dc(window_, font_);
    std::vector<int> ends(line.length);
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(dc.Get(), text_.data() + line.start, static_cast<int>(line.length), x, &fit, ends.data(), &size);
    // The character under the point goes to the side of it the point is nearer to.
    if (static_cast<size_t>(fit) < line.length) {
        const int left = fit > 0 ? ends[static_cast<size_t>(fit) - 1] : 0;
        if (x - left > ends[static_cast<size_t>(fit)] - x)
            ++fit;
    }
    return line.start + static_cast<size_t>(fit);
}

void TextPane::Select(size_t anchor, size_t caret)
{
    anchor = std::min(anchor, text_.size());
    caret = std::min(caret, text_.size());
    if (anchor == anchor_ && caret == caret_)
        return;
    anchor_ = anchor;
    caret_ = caret;
    InvalidateRect(window_, nullptr, TRUE);
}

void TextPane::SelectWordAt(size_t position)
{
    const auto inWord = [this](size_t at) { return at < text_.size() && !std::iswspace(text_[at]); };
    size_t start = position;
    while (start > 0 && inWord(start - 1))
        --start;
    size_t end = position;
    while (inWord(end))
        ++end;
    Select(start, end);
}

void TextPane::OnMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN: {
        ::SetFocus(window_);
        const size_t position = PositionAt(point);
        Select((wParam & MK_SHIFT) ? anchor_ : position, position);
        dragging_ = true;
        SetCapture(window_);
        break;
    }
    case WM_LBUTTONDBLCLK:
        SelectWordAt(PositionAt(point));
        break;
    case WM_MOUSEMOVE: {
        if (!dragging_)
            break;
        // Dragging past the top or the bottom scrolls the text along.
        RECT client;
        GetClientRect(window_, &client);
        if (point.y < 0)
            ScrollTo(top_ - 1LL);
        else if (point.y >= client.bottom)
            ScrollTo(top_ + 1LL);
        Select(anchor_, PositionAt(point));
        break;
    }
    case WM_LBUTTONUP:
        if (dragging_)
            ReleaseCapture();
        break;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        break;
    }
}

void TextPane::Copy() const
{
    const auto [start, end] = std::minmax(anchor_, caret_);
    const std::wstring_view copied = start < end ? std::wstring_view(text_).substr(start, end - start) : std::wstring_view(text_);
    if (!OpenClipboard(window_))
        return;
    EmptyClipboard();
    const size_t bytes = (copied.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
            std::copy_n(copied.data(), copied.size(), target);
            target[copied.size()] = L'\0';
            GlobalUnlock(memory);
        }
        // The clipboard owns the memory once it took it; freed here only when it did not.
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

}
