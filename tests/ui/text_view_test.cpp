// The text views as assistive software and the keyboard meet them: a read-only view is the
// platform's rich edit control with the read-only text styles, reached by screen readers through
// the accessibility interface; it shows a paragraph of 100 KB, keeps its colour and font for every
// text, selects from the keyboard, copies, offers Copy and Select All in its context menu, shows
// text that looks like rich text as it is; an editable view is the plain edit control.
#include "support/app_fixture.h"
#include "support/keyboard.h"
#include "support/scripted_menus.h"
#include "ui/controls.h"
#include "ui/font.h"
#include "ui/form.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <oleacc.h>
#include <richedit.h>

#include <cwchar>
#include <string>
#include <utility>

namespace {

using test_support::PressKey;

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

class TextViewTest : public test_support::AppTest {
protected:
    TextViewTest()
    {
        app.SetMenuTracker(menus);
        form.Show();
        SetForegroundWindow(form.Handle());
        app.ProcessMessages();
    }

    int FirstVisibleLine() const { return static_cast<int>(SendMessageW(view.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
    int LineCount() const { return static_cast<int>(SendMessageW(view.Handle(), EM_GETLINECOUNT, 0, 0)); }
    std::pair<LONG, LONG> Selection() const
    {
        CHARRANGE range{};
        SendMessageW(view.Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return {range.cpMin, range.cpMax};
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
    void EmptyTheClipboard()
    {
        OpenClipboard(form.Handle());
        EmptyClipboard();
        CloseClipboard();
    }

    test_support::ScriptedMenus menus;
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

std::wstring Lines(int count)
{
    std::wstring text = L"ред 1";
    for (int line = 2; line <= count; ++line)
        text += L"\r\nред " + std::to_wstring(line);
    return text;
}

TEST_F(TextViewTest, AReadOnlyViewIsThePlatformsRichEditControlWithTheReadOnlyTextStyles)
{
    EXPECT_EQ(_wcsicmp(ClassOf(view.Handle()).c_str(), MSFTEDIT_CLASS), 0) << base::Narrow(ClassOf(view.Handle()));
    // The scroll bar shows while there is more text than room.
    view.SetContent(Lines(100));
    const auto style = static_cast<DWORD>(GetWindowLongW(view.Handle(), GWL_STYLE));
    for (const DWORD flag : {DWORD{ES_MULTILINE}, DWORD{ES_READONLY}, DWORD{ES_AUTOVSCROLL}, DWORD{WS_VSCROLL}, DWORD{WS_TABSTOP}})
        EXPECT_EQ(style & flag, flag) << std::hex << flag;
    ui::TextView plain{{.parent = form.Handle(), .bounds = {10, 10, 300, 100}, .tabStop = false}};
    plain.SetContent(Lines(100));
    const auto plainStyle = static_cast<DWORD>(GetWindowLongW(plain.Handle(), GWL_STYLE));
    EXPECT_EQ(plainStyle & (WS_VSCROLL | WS_TABSTOP), 0u);
    EXPECT_EQ(plainStyle & ES_READONLY, static_cast<DWORD>(ES_READONLY));
}

TEST_F(TextViewTest, ScreenReadersFindTheViewThroughTheAccessibilityInterface)
{
    view.SetContent(L"кори\nсирене");
    view.SetFocus();
    // As a screen reader's thread does, the test works in a COM apartment.
    struct Apartment {
        HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ~Apartment()
        {
            if (SUCCEEDED(result))
                CoUninitialize();
        }
    } apartment;
    // What automation reads when it asks the window for its text.
    EXPECT_EQ(view.Text(), L"кори\r\nсирене");
    IAccessible* accessible = nullptr;
    const HRESULT created = CreateStdAccessibleObject(view.Handle(), OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&accessible));
    if (FAILED(created) || !accessible)
        GTEST_SKIP() << "the accessibility layer in use gives no object for the view: 0x" << std::hex << created;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;

    VARIANT state{};
    ASSERT_EQ(accessible->get_accState(self, &state), S_OK);
    EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSABLE);
    EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSED);
    EXPECT_FALSE(state.lVal & STATE_SYSTEM_INVISIBLE);
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(accessible->accLocation(&left, &top, &width, &height, self), S_OK);
    RECT client;
    GetClientRect(view.Handle(), &client);
    MapWindowPoints(view.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(left, client.left);
    EXPECT_EQ(top, client.top);
    EXPECT_EQ(width, client.right - client.left);

    // Where the platform's accessibility layer knows the rich edit control, it reads it as text.
    VARIANT role{};
    ASSERT_EQ(accessible->get_accRole(self, &role), S_OK);
    if (role.lVal == ROLE_SYSTEM_TEXT) {
        BSTR value = nullptr;
        ASSERT_EQ(accessible->get_accValue(self, &value), S_OK);
        EXPECT_EQ(std::wstring(value, SysStringLen(value)), L"кори\r\nсирене");
        SysFreeString(value);
        EXPECT_TRUE(state.lVal & STATE_SYSTEM_READONLY);
    } else {
        EXPECT_EQ(role.lVal, ROLE_SYSTEM_CLIENT);
    }
    accessible->Release();
}

TEST_F(TextViewTest, ShowsAParagraphOf100KilobytesWrappedFromItsTop)
{
    const auto text = LongParagraph(100'000);
    view.SetContent(text);
    app.ProcessMessages();
    EXPECT_EQ(GetWindowTextLengthW(view.Handle()), 100'000);
    EXPECT_TRUE(view.Text() == text);
    // Lines of 300 pixels hold tens of characters, never hundreds, never one.
    EXPECT_GT(LineCount(), 100'000 / 150);
    EXPECT_LT(LineCount(), 100'000 / 10);
    EXPECT_EQ(FirstVisibleLine(), 0);
}

TEST_F(TextViewTest, TheKeysScrollAndSelectAndNewContentShowsFromItsTopWithNothingSelected)
{
    view.SetContent(Lines(100));
    EXPECT_EQ(LineCount(), 100);
    PressKey(view.Handle(), VK_END, true);
    const int bottom = FirstVisibleLine();
    EXPECT_GT(bottom, 80);
    PressKey(view.Handle(), VK_HOME, true);
    EXPECT_EQ(FirstVisibleLine(), 0);
    EXPECT_EQ(Selection(), (std::pair<LONG, LONG>{0, 0}));
    PressKey(view.Handle(), VK_DOWN, false, true);
    EXPECT_EQ(Selection(), (std::pair<LONG, LONG>{0, 6})) << "Shift+Down selects the first line";
    PressKey(view.Handle(), VK_NEXT);
    EXPECT_GT(FirstVisibleLine(), 5) << "Page Down moves by a page of lines";

    view.SetContent(L"новият текст");
    EXPECT_EQ(FirstVisibleLine(), 0);
    EXPECT_EQ(LineCount(), 1);
    EXPECT_EQ(Selection(), (std::pair<LONG, LONG>{0, 0}));
}

TEST_F(TextViewTest, CtrlASelectsAllAndCtrlCCopiesTheSelection)
{
    view.SetContent(L"първи ред\nвтори ред");
    EXPECT_EQ(view.Text(), L"първи ред\r\nвтори ред");
    EmptyTheClipboard();
    PressKey(view.Handle(), 'A', true);
    PressKey(view.Handle(), 'C', true);
    EXPECT_EQ(base::Narrow(Clipboard()), "първи ред\r\nвтори ред");
    SendMessageW(view.Handle(), EM_SETSEL, 6, 9);
    PressKey(view.Handle(), 'C', true);
    EXPECT_EQ(base::Narrow(Clipboard()), "ред");
}

TEST_F(TextViewTest, TheContextMenuCopiesTheSelectionAndSelectsAll)
{
    view.SetContent(L"първи ред\nвтори ред");
    const auto openMenu = [this](const wchar_t* choice) {
        menus.choices = {choice};
        view.SetFocus();
        // As the menu key does: the point is -1.
        SendMessageW(view.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view.Handle()), -1);
    };
    openMenu(L"");
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0].lines, (std::vector<std::string>{"&Копирай\tCtrl+C", "&Избери всичко\tCtrl+A"}));
    EXPECT_FALSE(view.ContextMenu().Enabled(ui::TextView::kCopyItem)) << "nothing is selected to copy";

    openMenu(L"&Избери всичко\tCtrl+A");
    EXPECT_EQ(Selection().first, 0);
    EXPECT_GE(Selection().second, 19) << "the whole text, the paragraph mark at its end maybe too";
    EmptyTheClipboard();
    openMenu(L"&Копирай\tCtrl+C");
    EXPECT_TRUE(view.ContextMenu().Enabled(ui::TextView::kCopyItem));
    EXPECT_EQ(base::Narrow(Clipboard()), "първи ред\r\nвтори ред");
}

TEST_F(TextViewTest, TheTabKeyIsLeftToTheWindowAndTheArrowsToTheView)
{
    MSG tab{.hwnd = view.Handle(), .message = WM_KEYDOWN, .wParam = VK_TAB};
    const auto code = SendMessageW(view.Handle(), WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(code & (DLGC_WANTTAB | DLGC_WANTALLKEYS), 0);
    EXPECT_EQ(code & DLGC_WANTARROWS, DLGC_WANTARROWS);
}

TEST_F(TextViewTest, ATextThatLooksLikeRichTextIsShownAsItIs)
{
    const std::wstring text = L"{\\rtf1\\ansi {\\b удебелен} текст}";
    view.SetContent(text);
    EXPECT_EQ(view.Text(), text);
}

TEST_F(TextViewTest, EveryTextKeepsTheViewsColourAndFont)
{
    const auto font = ui::CreateFontHandle({.name = L"Courier New", .height = -12});
    view.SetFontHandle(font.get());
    view.SetColor(ui::Color::Direct(RGB(200, 220, 240)));
    for (const wchar_t* text : {L"първи текст", L"втори\nтекст"}) {
        view.SetContent(text);
        // The background colour the view paints with: setting it answers the one it had.
        const auto shown = static_cast<COLORREF>(SendMessageW(view.Handle(), EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3)));
        SendMessageW(view.Handle(), EM_SETBKGNDCOLOR, 0, shown);
        EXPECT_EQ(shown, RGB(200, 220, 240)) << base::Narrow(text);
        SendMessageW(view.Handle(), EM_SETSEL, 0, -1);
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(view.Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        EXPECT_EQ(std::wstring(format.szFaceName), L"Courier New") << base::Narrow(text);
    }
}

TEST_F(TextViewTest, TheScrollBarShowsForALongTextOnly)
{
    const auto scrolls = [this] {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        const bool any = GetScrollInfo(view.Handle(), SB_VERT, &info);
        SCROLLBARINFO bar{};
        bar.cbSize = sizeof bar;
        GetScrollBarInfo(view.Handle(), OBJID_VSCROLL, &bar);
        const bool shown = !(bar.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE));
        return any && shown && info.nMax - info.nMin + 1 > static_cast<int>(info.nPage);
    };
    for (int count : {100, 1, 100}) {
        view.SetContent(Lines(count));
        EXPECT_EQ(scrolls(), count > 1) << count << " lines";
    }
}

TEST_F(TextViewTest, AnEditableViewIsThePlainEditControl)
{
    ui::TextView editable{{.parent = form.Handle(), .bounds = {10, 10, 300, 100}, .readOnly = false}};
    editable.SetContent(L"а\nб");
    EXPECT_EQ(_wcsicmp(ClassOf(editable.Handle()).c_str(), L"EDIT"), 0) << base::Narrow(ClassOf(editable.Handle()));
    EXPECT_EQ(editable.Text(), L"а\r\nб");
    EXPECT_FALSE(GetWindowLongW(editable.Handle(), GWL_STYLE) & ES_READONLY);
}

}
