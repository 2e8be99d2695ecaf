// The read-only text view: a text of megabytes in one paragraph shown, its text read back as from a
// text control, scrolled from the keyboard, copied whole to the clipboard; the editable view stays an EDIT.
#include "support/app_fixture.h"
#include "support/keyboard.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <utility>

namespace {

using test_support::PressKey;

class TextViewTest : public test_support::AppTest {
protected:
    TextViewTest()
    {
        form.Show();
        app.ProcessMessages();
    }

    static int FirstVisibleLine(const ui::TextView& view)
    {
        return static_cast<int>(SendMessageW(view.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    static int LineCount(const ui::TextView& view)
    {
        return static_cast<int>(SendMessageW(view.Handle(), EM_GETLINECOUNT, 0, 0));
    }

    std::wstring Clipboard()
    {
        std::wstring text;
        if (!OpenClipboard(form.Handle()))
            return L"(the clipboard could not be opened)";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }

    ui::Form form{{.caption = L"Текст", .clientWidth = 320, .clientHeight = 240}};
    ui::TextView view{{.parent = form.Handle(), .bounds = {10, 10, 300, 200}, .verticalScrollBar = true}};
};

std::wstring LongParagraph(size_t length)
{
    std::wstring text;
    text.reserve(length + 16);
    while (text.size() < length)
        text += L"Разбърква се добре. ";
    text.resize(length);
    return text;
}

TEST_F(TextViewTest, ShowsTwoMegabytesInOneParagraph)
{
    const auto text = LongParagraph(2'000'000);
    view.SetContent(text);
    app.ProcessMessages();
    EXPECT_EQ(GetWindowTextLengthW(view.Handle()), 2'000'000);
    EXPECT_TRUE(view.Text() == text);
    // Lines of 300 pixels hold tens of characters, never hundreds, never one.
    EXPECT_GT(LineCount(view), 2'000'000 / 150);
    EXPECT_LT(LineCount(view), 2'000'000 / 10);
    EXPECT_EQ(FirstVisibleLine(view), 0);
}

TEST_F(TextViewTest, KeysScrollTheLinesAndNewContentShowsFromItsTop)
{
    std::wstring text;
    for (int line = 1; line <= 100; ++line)
        text += L"ред " + std::to_wstring(line) + L"\n";
    view.SetContent(text);
    const int lines = LineCount(view);
    EXPECT_EQ(lines, 101);  // the last line break ends in an empty line
    const auto press = [this](WPARAM key, bool control = false) {
        PressKey(view.Handle(), key, control);
        return FirstVisibleLine(view);
    };
    EXPECT_EQ(press(VK_DOWN), 1);
    EXPECT_EQ(press(VK_DOWN), 2);
    EXPECT_EQ(press(VK_UP), 1);
    const int page = press(VK_NEXT) - 1;
    EXPECT_GT(page, 5);  // 200 pixels hold more than five lines of the form's font
    const int bottom = press(VK_END, true);
    EXPECT_EQ(bottom, lines - page);  // the end shows the last lines
    EXPECT_EQ(press(VK_DOWN), bottom);
    EXPECT_EQ(press(VK_PRIOR), bottom - page);
    EXPECT_EQ(press(VK_HOME, true), 0);
    EXPECT_EQ(press(VK_UP), 0);
    EXPECT_EQ(press(VK_END), bottom);
    view.SetContent(L"новият текст");
    EXPECT_EQ(FirstVisibleLine(view), 0);
    EXPECT_EQ(LineCount(view), 1);
}

TEST_F(TextViewTest, CtrlCCopiesTheWholeTextAndTheLineEndsShowAsBreaks)
{
    view.SetContent(L"първи ред\nвтори ред");
    EXPECT_EQ(LineCount(view), 2);
    for (WPARAM key : {WPARAM{'C'}, WPARAM{'A'}}) {
        OpenClipboard(form.Handle());
        EmptyClipboard();
        CloseClipboard();
        PressKey(view.Handle(), key, true);
        EXPECT_EQ(ui::Narrow(Clipboard()), "първи ред\r\nвтори ред") << "Ctrl+" << static_cast<char>(key);
    }
}

TEST_F(TextViewTest, WrapsAgainWhenResizedAndTakesTheFocusWithTab)
{
    view.SetContent(LongParagraph(2000));
    const int wide = LineCount(view);
    view.SetBounds({10, 10, 150, 200});
    EXPECT_GT(LineCount(view), wide * 3 / 2);
    EXPECT_TRUE(GetWindowLongW(view.Handle(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(SendMessageW(view.Handle(), WM_GETDLGCODE, 0, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS), 0);
}

TEST_F(TextViewTest, AnEditableViewStaysAnEditControl)
{
    ui::TextView editable{{.parent = form.Handle(), .bounds = {10, 10, 300, 100}, .readOnly = false}};
    editable.SetContent(L"а\nб");
    wchar_t className[16] = {};
    GetClassNameW(editable.Handle(), className, 16);
    EXPECT_EQ(_wcsicmp(className, L"EDIT"), 0) << ui::Narrow(className);
    EXPECT_EQ(editable.Text(), L"а\r\nб");
    EXPECT_FALSE(GetWindowLongW(editable.Handle(), GWL_STYLE) & ES_READONLY);
}

}

TEST_F(TextViewTest, TheScrollBarFollowsEveryTextAndScroll)
{
    const auto lines = [](int count) {
        std::wstring text = L"ред 1";
        for (int line = 2; line <= count; ++line)
            text += L"\nред " + std::to_wstring(line);
        return text;
    };
    const auto bar = [this] {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(view.Handle(), SB_VERT, &info);
        return info;
    };
    view.SetContent(lines(100));
    const int page = static_cast<int>(bar().nPage);
    ASSERT_GT(page, 5);  // 200 pixels hold more than five lines of the form's font
    // Long, short, shorter, long again and longer: the bar never keeps an earlier text's numbers.
    for (int count : {100, 3, 1, 100, 150}) {
        view.SetContent(lines(count));
        SCROLLINFO info = bar();
        EXPECT_EQ(info.nMax, count - 1) << count << " lines";
        EXPECT_EQ(info.nPos, 0) << count << " lines";
        // A page is never more than the whole text.
        EXPECT_EQ(static_cast<int>(info.nPage), std::min(page, count)) << count << " lines";
        PressKey(view.Handle(), VK_END, true);
        info = bar();
        EXPECT_EQ(info.nPos, std::max(0, count - page)) << count << " lines";
        EXPECT_EQ(info.nPos, FirstVisibleLine(view)) << count << " lines";
    }
}

TEST_F(TextViewTest, TheMouseSelectsAndCtrlCCopiesTheSelectionOrElseTheWholeText)
{
    view.SetContent(L"първи ред\nвтори ред");
    int lineHeight = 0;
    {
        HDC dc = GetDC(view.Handle());
        const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(view.Handle(), WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(view.Handle(), dc);
        lineHeight = metrics.tmHeight;
    }
    const auto mouse = [this](UINT message, int x, int y, WPARAM keys = 0) {
        SendMessageW(view.Handle(), message, keys, MAKELPARAM(x, y));
    };
    const auto drag = [&](int x1, int y1, int x2, int y2) {
        mouse(WM_LBUTTONDOWN, x1, y1, MK_LBUTTON);
        mouse(WM_MOUSEMOVE, x2, y2, MK_LBUTTON);
        mouse(WM_LBUTTONUP, x2, y2);
    };
    const auto copied = [this] {
        PressKey(view.Handle(), 'C', true);
        return ui::Narrow(Clipboard());
    };
    const auto selection = [this] {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(view.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::pair{start, end};
    };
    const int first = lineHeight / 2;
    const int second = lineHeight + lineHeight / 2;

    drag(0, first, 280, first);
    EXPECT_EQ(copied(), "първи ред");
    drag(280, second, 0, first);  // backwards, across the line break
    EXPECT_EQ(copied(), "първи ред\r\nвтори ред");
    mouse(WM_LBUTTONDBLCLK, 4, second);
    EXPECT_EQ(selection(), (std::pair<DWORD, DWORD>{11, 16}));
    EXPECT_EQ(copied(), "втори");
    SendMessageW(view.Handle(), EM_SETSEL, 6, 9);
    EXPECT_EQ(copied(), "ред");
    SendMessageW(view.Handle(), EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(copied(), "първи ред\r\nвтори ред");
    SendMessageW(view.Handle(), EM_SETSEL, 0, 5);
    view.SetContent(L"нов текст");
    EXPECT_EQ(selection(), (std::pair<DWORD, DWORD>{0, 0}));
    EXPECT_EQ(copied(), "нов текст");
}
