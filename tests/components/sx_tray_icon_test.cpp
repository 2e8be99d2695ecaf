// The tray icon component: what it asks of the shell, the events it makes of the shell's mouse
// messages, its popup menu and the icon's return after the task bar is created again.
#include "components/sx_tray_icon.h"
#include "components/recording_tray_shell.h"
#include "resource_ids.h"
#include "support/app_fixture.h"
#include "support/scripted_menus.h"
#include "ui/image.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using components::TSxTrayIcon;
using test_support::NotifyCall;
using Lines = std::vector<std::string>;

std::string ButtonName(components::TMouseButton button)
{
    return button == components::TMouseButton::mbLeft ? "left" : "right";
}

class TrayIconTest : public test_support::AppTest {
protected:
    TrayIconTest()
    {
        app.SetMenuTracker(menus);
        icon = std::make_unique<TSxTrayIcon>(shell);
        icon->OnClick = [this](TSxTrayIcon& sender) { Log(sender, "click"); };
        icon->OnDblClick = [this](TSxTrayIcon& sender) { Log(sender, "double click"); };
        icon->OnMouseMove = [this](TSxTrayIcon& sender, components::TShiftState, int x, int y) {
            Log(sender, "move");
            lastPoint = {x, y};
        };
        icon->OnMouseDown = [this](TSxTrayIcon& sender, components::TMouseButton button, components::TShiftState, int, int) {
            Log(sender, "down " + ButtonName(button));
        };
        icon->OnMouseUp = [this](TSxTrayIcon& sender, components::TMouseButton button, components::TShiftState, int x, int y) {
            Log(sender, "up " + ButtonName(button));
            lastPoint = {x, y};
        };
        icon->OnBalloonShow = [this](TSxTrayIcon& sender) { Log(sender, "balloon shown"); };
        icon->OnBalloonHide = [this](TSxTrayIcon& sender) { Log(sender, "balloon hidden"); };
        icon->OnBalloonTimeout = [this](TSxTrayIcon& sender) { Log(sender, "balloon timed out"); };
        icon->OnBalloonUserClick = [this](TSxTrayIcon& sender) { Log(sender, "balloon clicked"); };
        shell.onForeground = [this] { events.push_back("foreground"); };
        menus.whileOpen = [this] { events.push_back("menu open"); };
    }

    void Log(TSxTrayIcon& sender, std::string event)
    {
        EXPECT_EQ(&sender, icon.get());
        events.push_back(std::move(event));
    }

    // As the shell reports a mouse action on the icon.
    void Mouse(LPARAM action) { SendMessageW(icon->WindowHandle(), TSxTrayIcon::kCallbackMessage, TSxTrayIcon::kIconId, action); }

    std::unique_ptr<ui::PopupMenu> Menu(bool withDefault)
    {
        std::vector<ui::MenuItem> items = {
            ui::MenuItem::Action(L"Покажи", -1, [this] { events.push_back("Покажи"); }),
            ui::MenuItem::Action(L"Изход", -1, [this] { events.push_back("Изход"); }),
        };
        items[1].isDefault = withDefault;
        return std::make_unique<ui::PopupMenu>(ui::PopupMenu::Args{.items = items});
    }

    const ui::Icon& ProgramIcon()
    {
        if (programIcon.Empty())
            programIcon.LoadFromData(ui::ResourceData(IDR_TRAY_ICON, MAKEINTRESOURCEW(10)));
        return programIcon;
    }

    test_support::RecordingTrayShell shell;
    test_support::ScriptedMenus menus;
    std::unique_ptr<TSxTrayIcon> icon;
    ui::Icon programIcon;
    Lines events;
    POINT lastPoint{};
};

TEST_F(TrayIconTest, MouseActionsBecomeEventsInOrder)
{
    struct Case {
        const char* name;
        std::vector<LPARAM> actions;
        bool menuWithDefault;
        Lines expected;
    };
    const Case cases[] = {
        {"left click", {WM_LBUTTONDOWN, WM_LBUTTONUP}, false, {"down left", "click", "up left"}},
        {"left double click",
         {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
         false,
         {"down left", "click", "up left", "double click", "up left"}},
        {"double click with a default item",
         {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
         true,
         {"down left", "click", "up left", "Изход", "double click", "up left"}},
        {"release without a press", {WM_LBUTTONUP}, false, {"up left"}},
        {"right double click", {WM_RBUTTONDBLCLK}, false, {"double click"}},
        {"middle button", {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK}, false, {}},
        {"move", {WM_MOUSEMOVE}, false, {"move"}},
        {"balloon",
         {NIN_BALLOONSHOW, NIN_BALLOONHIDE, NIN_BALLOONTIMEOUT, NIN_BALLOONUSERCLICK},
         false,
         {"balloon shown", "balloon hidden", "balloon timed out", "balloon clicked"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto menu = Menu(c.menuWithDefault);
        icon->SetPopupMenu(c.menuWithDefault ? menu.get() : nullptr);
        events.clear();

        for (LPARAM action : c.actions)
            Mouse(action);

        EXPECT_EQ(events, c.expected);
        icon->SetPopupMenu(nullptr);
    }
    EXPECT_TRUE(menus.shown.empty());
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayIconTest, EventsCarryTheCursorPosition)
{
    POINT cursor;
    GetCursorPos(&cursor);
    Mouse(WM_MOUSEMOVE);
    EXPECT_EQ(lastPoint.x, cursor.x);
    EXPECT_EQ(lastPoint.y, cursor.y);
}

TEST_F(TrayIconTest, ARightClickWithoutAMenuShowsNothing)
{
    Mouse(WM_RBUTTONDOWN);
    Mouse(WM_RBUTTONUP);

    EXPECT_EQ(events, (Lines{"down right", "up right"}));
    EXPECT_TRUE(menus.shown.empty());
    EXPECT_TRUE(shell.foreground.empty());
}

TEST_F(TrayIconTest, ARightClickPopsUpTheMenuAfterPendingMessagesAndReleasesAfterItCloses)
{
    const auto menu = Menu(false);
    icon->SetPopupMenu(menu.get());
    menus.choices = {L"Покажи"};

    Mouse(WM_RBUTTONDOWN);
    // Waiting in the queue when the button is released: handled before the menu opens.
    PostMessageW(icon->WindowHandle(), TSxTrayIcon::kCallbackMessage, TSxTrayIcon::kIconId, WM_MOUSEMOVE);
    Mouse(WM_RBUTTONUP);

    EXPECT_EQ(events, (Lines{"down right", "foreground", "move", "menu open", "Покажи", "up right"}));
    EXPECT_EQ(shell.foreground, std::vector<HWND>{app.Handle()});
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0].owner, app.Handle());
    EXPECT_EQ(menus.shown[0].at.x, lastPoint.x);
    EXPECT_EQ(menus.shown[0].at.y, lastPoint.y);

    events.clear();
    Mouse(WM_RBUTTONUP);  // no press seen: no menu
    EXPECT_EQ(events, (Lines{"up right"}));
    EXPECT_EQ(menus.shown.size(), 1u);
}

TEST_F(TrayIconTest, TheRecordNamesTheHiddenWindowTheCallbackAndTheIcon)
{
    icon->SetActive(true);
    icon->SetIcon(ProgramIcon());

    ASSERT_EQ(shell.Requests(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_MODIFY}));
    const NotifyCall& add = shell.calls[0];
    EXPECT_EQ(add.window, icon->WindowHandle());
    EXPECT_EQ(add.flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(add.callbackMessage, 0xB05Au);
    EXPECT_EQ(add.icon, nullptr) << "an empty icon gives no handle";
    EXPECT_EQ(shell.calls[2].id, add.id);
    EXPECT_NE(shell.calls[2].icon, nullptr);
    EXPECT_EQ(shell.calls[2].icon, icon->Icon().Handle());
    EXPECT_EQ(shell.probed.back(), L"Shell32.dll");
}

TEST_F(TrayIconTest, TheShellVersionChoosesTheLayoutAndTheTipIsCutToFit)
{
    struct Case {
        const char* name;
        std::optional<DWORD> major;
        DWORD size;
        size_t tipLength;
    };
    const Case cases[] = {
        {"version 6", 6, NOTIFYICONDATAW_V2_SIZE, 127},
        {"version 5", 5, NOTIFYICONDATAW_V2_SIZE, 127},
        {"version 4", 4, NOTIFYICONDATAW_V1_SIZE, 63},
        {"no version", std::nullopt, NOTIFYICONDATAW_V1_SIZE, 63},
    };
    std::wstring tip;
    for (int i = 0; i < 200; ++i)
        tip += static_cast<wchar_t>(L'А' + i % 32);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell.majorVersion = c.major;
        shell.calls.clear();

        icon->SetTip(tip);

        ASSERT_EQ(shell.calls.size(), 1u);
        EXPECT_EQ(shell.calls[0].size, c.size);
        EXPECT_EQ(shell.calls[0].tip, tip.substr(0, c.tipLength));
    }
}

TEST_F(TrayIconTest, PropertyWritesAndTheShellCallsTheyMake)
{
    struct Case {
        const char* name;
        std::function<void(TSxTrayIcon&)> write;
        std::vector<DWORD> expected;
    };
    const Case cases[] = {
        {"Active on", [](TSxTrayIcon& i) { i.SetActive(true); }, {NIM_ADD}},
        {"Active on again", [](TSxTrayIcon& i) { i.SetActive(true); }, {}},
        {"Tip", [](TSxTrayIcon& i) { i.SetTip(L"Велмора XP"); }, {NIM_MODIFY}},
        {"the same Tip", [](TSxTrayIcon& i) { i.SetTip(L"Велмора XP"); }, {NIM_MODIFY}},
        {"InfoTitle", [](TSxTrayIcon& i) { i.SetInfoTitle(L"Заглавие"); }, {NIM_MODIFY}},
        {"the same InfoTitle", [](TSxTrayIcon& i) { i.SetInfoTitle(L"Заглавие"); }, {}},
        {"InfoTitle in other case", [](TSxTrayIcon& i) { i.SetInfoTitle(L"заглавие"); }, {NIM_MODIFY}},
        {"balloon fields kept only",
         [](TSxTrayIcon& i) {
             i.SetInfoText(L"текст");
             i.SetInfoTimeout(500);
             i.SetInfoFlags(components::niifWarning);
         },
         {}},
        {"EndUpdate without BeginUpdate", [](TSxTrayIcon& i) { i.EndUpdate(); }, {NIM_MODIFY}},
        {"Active off", [](TSxTrayIcon& i) { i.SetActive(false); }, {NIM_DELETE}},
        {"Active off again", [](TSxTrayIcon& i) { i.SetActive(false); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell.calls.clear();
        c.write(*icon);
        EXPECT_EQ(shell.Requests(), c.expected);
    }
    EXPECT_EQ(icon->InfoText(), L"текст");
    EXPECT_EQ(icon->InfoTimeout(), 500);
    EXPECT_EQ(icon->InfoFlags(), components::niifWarning);
}

TEST_F(TrayIconTest, ANewIconHasItsDefaults)
{
    EXPECT_FALSE(icon->Active());
    EXPECT_FALSE(icon->ShowDesignTime());
    EXPECT_EQ(icon->InfoTimeout(), 10000);
    EXPECT_EQ(icon->InfoFlags(), components::niifNone);
    EXPECT_EQ(icon->PopupMenu(), nullptr);
    EXPECT_TRUE(icon->Tip().empty());
    EXPECT_TRUE(icon->Icon().Empty());
}

TEST_F(TrayIconTest, TheRefreshLockHoldsBackChangesUntilOneModifyAtEndUpdate)
{
    icon->SetActive(true);
    shell.calls.clear();

    icon->BeginUpdate();
    icon->BeginUpdate();
    icon->SetTip(L"първи");
    icon->SetIcon(ProgramIcon());
    icon->SetInfoTitle(L"заглавие");
    icon->SetTip(L"втори");
    EXPECT_TRUE(shell.calls.empty());
    icon->EndUpdate();

    ASSERT_EQ(shell.Requests(), std::vector<DWORD>{NIM_MODIFY});
    EXPECT_EQ(shell.calls[0].tip, L"втори");
    EXPECT_NE(shell.calls[0].icon, nullptr);
}

TEST_F(TrayIconTest, DestroyingRemovesTheIconOnlyWhenActive)
{
    icon->SetActive(true);
    icon->SetTip(L"Велмора XP");
    shell.calls.clear();
    icon.reset();
    ASSERT_EQ(shell.Requests(), std::vector<DWORD>{NIM_DELETE});
    EXPECT_EQ(shell.calls[0].tip, L"Велмора XP");

    {
        TSxTrayIcon inactive(shell);
        inactive.SetActive(true);
        inactive.SetActive(false);
        shell.calls.clear();
    }
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayIconTest, TheTaskBarCreatedBroadcastAddsTheActiveIconAgain)
{
    const HWND window = icon->WindowHandle();
    // Broadcasts reach only top-level windows: the hidden window has no parent and no owner.
    EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(IsWindowVisible(window));
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");

    SendMessageW(window, taskbarCreated, 0, 0);
    EXPECT_TRUE(shell.calls.empty()) << "an inactive icon stays absent";

    icon->SetIcon(ProgramIcon());
    icon->SetActive(true);
    icon->SetTip(L"Велмора XP");
    shell.calls.clear();
    SendMessageW(window, taskbarCreated, 0, 0);

    ASSERT_EQ(shell.Requests(), std::vector<DWORD>{NIM_ADD});
    EXPECT_EQ(shell.calls[0].tip, L"Велмора XP");
    EXPECT_EQ(shell.calls[0].icon, icon->Icon().Handle());
    EXPECT_NE(shell.calls[0].icon, nullptr);
}

TEST_F(TrayIconTest, InDesignModeTheShellIsLeftAloneUnlessShowDesignTimeAllowsIt)
{
    icon->SetDesigning(true);
    icon->SetActive(true);
    icon->SetTip(L"Велмора XP");
    EXPECT_TRUE(shell.calls.empty());

    icon->SetShowDesignTime(true);
    icon->SetTip(L"друг");
    icon->SetShowDesignTime(false);
    icon->SetTip(L"трети");

    EXPECT_EQ(shell.Requests(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE}));
}

TEST_F(TrayIconTest, TheInterfaceReachesTheSameIcon)
{
    components::ISxTrayIcon* tray = nullptr;
    ASSERT_EQ(icon->QueryInterface(components::IID_ISxTrayIcon, reinterpret_cast<void**>(&tray)), S_OK);
    void* other = nullptr;
    EXPECT_EQ(icon->QueryInterface(IID_IStream, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);

    tray->put_Active(TRUE);
    EXPECT_TRUE(icon->Active());
    EXPECT_TRUE(tray->get_Active());
    tray->put_Tip(L"Велмора XP");
    EXPECT_EQ(shell.Requests(), std::vector<DWORD>{NIM_ADD}) << "a tip set through the interface waits for the next refresh";
    EXPECT_EQ(icon->Tip(), L"Велмора XP");

    const auto data = ui::ResourceData(IDR_TRAY_ICON, MAKEINTRESOURCEW(10));
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    stream->Write(data.data(), static_cast<ULONG>(data.size()), nullptr);
    stream->Seek({}, STREAM_SEEK_SET, nullptr);
    tray->LoadIconFromStream(stream);
    stream->Release();

    ASSERT_EQ(shell.Requests(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY}));
    EXPECT_NE(shell.calls[1].icon, nullptr);
    EXPECT_EQ(shell.calls[1].tip, L"Велмора XP");
    tray->Click();
    tray->DblClick();
    EXPECT_EQ(events, (Lines{"click", "double click"}));
}

}
