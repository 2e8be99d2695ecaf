// The main window's tray icon and menu, minimizing to the tray and coming back.
#include "app/pelnor.h"
#include "app/program.h"
#include "app/startup.h"
#include "components/recording_tray_shell.h"
#include "resource_ids.h"
#include "support/app_fixture.h"
#include "support/icon_width.h"
#include "support/advice_files.h"
#include "support/catalogue_db.h"
#include "support/my_recipes_db.h"
#include "support/scripted_menus.h"
#include "base/text.h"
#include "ui/image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using components::TSxTrayIcon;
using Lines = std::vector<std::string>;

// The states Minimize and Restore move between: iconic application window, task-bar button
// (a visible application window), main window shown.
struct State {
    bool minimized;
    bool taskBarButton;
    bool mainWindow;
    bool operator==(const State&) const = default;
};
constexpr State kShown{false, true, true};
constexpr State kInTray{true, false, false};

void PrintTo(const State& s, std::ostream* out)
{
    *out << "{minimized " << s.minimized << ", task-bar button " << s.taskBarButton << ", main window " << s.mainWindow << "}";
}

class TrayTest : public test_support::AppTest {
protected:
    TrayTest()
    {
        app.SetMenuTracker(menus);
        test_support::WriteCatalogue({{.name = L"Супи", .rows = {{L"Таратор", L"краставица", L"Разбърква се."}}}});
        form = std::make_unique<TForm1>(settings::SettingsFile((folder.Path() / L"velmora.ini").wstring()), shell);
        // As start-up leaves it: the application window carries the task-bar button.
        ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);
    }

    void Mouse(LPARAM action)
    {
        SendMessageW(form->SxTrayIcon1.WindowHandle(), TSxTrayIcon::kCallbackMessage, TSxTrayIcon::kIconId, action);
    }
    void LeftClick()
    {
        Mouse(WM_LBUTTONDOWN);
        Mouse(WM_LBUTTONUP);
    }
    void RightClickChoosing(const wchar_t* caption)
    {
        menus.choices.push_back(caption);
        Mouse(WM_RBUTTONDOWN);
        Mouse(WM_RBUTTONUP);
    }

    State Now() const
    {
        return {IsIconic(app.Handle()) != FALSE, IsWindowVisible(app.Handle()) != FALSE, form->Visible()};
    }
    test_support::RecordingTrayShell shell;
    test_support::ScriptedMenus menus;
    std::unique_ptr<TForm1> form;
};

TEST_F(TrayTest, TheIconIsAddedWithItsPictureThenGetsTheTip)
{
    std::vector<DWORD> requests;
    for (const auto& call : shell.calls)
        requests.push_back(call.request);
    // The picture is set before the icon is active: those refreshes reach no icon.
    ASSERT_EQ(requests, (std::vector<DWORD>{NIM_MODIFY, NIM_MODIFY, NIM_ADD, NIM_MODIFY}));
    EXPECT_NE(shell.calls[2].icon, nullptr);
    EXPECT_EQ(shell.calls[2].tip, L"");
    EXPECT_EQ(shell.calls[3].tip, L"Велмора XP");
    EXPECT_EQ(shell.calls[3].icon, shell.calls[2].icon);
    const auto data = ui::ResourceData(IDR_TRAY_ICON, MAKEINTRESOURCEW(10));
    EXPECT_TRUE(std::ranges::equal(form->SxTrayIcon1.Icon().Data(), data));
    EXPECT_EQ(test_support::IconWidth(shell.calls[2].icon), GetSystemMetrics(SM_CXSMICON)) << "the tray's picture is a small icon";
    EXPECT_EQ(form->SxTrayIcon1.InfoFlags(), components::niifInfo);
    EXPECT_EQ(form->SxTrayIcon1.PopupMenu(), &form->PopupMenu1);
}

TEST_F(TrayTest, TheTrayMenuHasItsItemsAndPicturesAndNoDefault)
{
    EXPECT_EQ(test_support::ScriptedMenus::Describe(form->PopupMenu1.Handle(), &form->ImageList1),
              (Lines{"Help [picture 23]", "  Readme [picture 17]", "  Инфо [picture 15]", "Опции [picture 24]",
                     "  Покажи [picture 21]", "  Минимизирай [picture 22]", "---", "Изход [picture 8]"}));
    const HMENU menu = form->PopupMenu1.Handle();
    for (const wchar_t* name : {L"Readme", L"About", L"Izhod"}) {
        const ui::Command& command = form->ActionManager1.Get(name);
        EXPECT_EQ(test_support::ScriptedMenus::FindId(menu, command.caption), command.id) << base::Narrow(name);
    }
    EXPECT_FALSE(form->PopupMenu1.ClickDefaultItem());
}

TEST_F(TrayTest, MinimizeAndRestoreByEveryWay)
{
    struct Step {
        const char* name;
        std::function<void()> act;
        State after;
    };
    const Step steps[] = {
        {"show when shown", [this] { RightClickChoosing(L"Покажи"); }, kShown},
        {"click when shown", [this] { LeftClick(); }, kShown},
        {"Минимизирай", [this] { RightClickChoosing(L"Минимизирай"); }, kInTray},
        {"Минимизирай again", [this] { RightClickChoosing(L"Минимизирай"); }, kInTray},
        {"left click", [this] { LeftClick(); }, kShown},
        {"title-bar minimize", [this] { SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }, kInTray},
        {"Покажи", [this] { RightClickChoosing(L"Покажи"); }, kShown},
        {"N4Click", [this] { form->N4Click(); }, kInTray},
        {"menu closed without a choice", [this] { RightClickChoosing(L""); }, kInTray},
        {"N5Click", [this] { form->N5Click(); }, kShown},
    };
    form->Show();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(Now(), step.after);
    }
}

TEST_F(TrayTest, ARestoreWithAModalWindowOpenBringsThatWindowToTheFront)
{
    form->Show();
    ui::Form modal({.className = L"ModalProbe", .caption = L"Инфо", .clientWidth = 200, .clientHeight = 100, .border = ui::Border::Dialog});
    HWND front = nullptr;
    modal.StartTimer(1, 10, [&] {
        modal.StopTimer(1);
        form->N4Click();
        LeftClick();
        front = GetForegroundWindow();
        modal.Close();
    });
    modal.ShowModal();

    EXPECT_EQ(front, modal.Handle()) << (front == form->Handle() ? "the disabled main window is in front" : "another window is in front");
    EXPECT_EQ(Now(), kShown);
}

TEST_F(TrayTest, ADoubleClickActsAsOneClick)
{
    form->Show();
    int restores = 0;
    app.onRestore = [&] { ++restores; };
    form->N4Click();

    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    Mouse(WM_LBUTTONUP);

    EXPECT_EQ(Now(), kShown);
    EXPECT_EQ(restores, 1);
    EXPECT_TRUE(menus.shown.empty());
}

TEST_F(TrayTest, AStartMinimizedGoesStraightToTheTrayAndTheFirstRestoreShowsTheWindowNormally)
{
    app.Minimize();
    EXPECT_EQ(Now(), kInTray);

    LeftClick();

    EXPECT_EQ(Now(), kShown);
    EXPECT_FALSE(IsIconic(form->Handle()));
    EXPECT_FALSE(IsZoomed(form->Handle()));
}

TEST_F(TrayTest, ExitFromTheTrayWhileMinimizedEndsTheProgramAndRemovesTheIcon)
{
    form->Show();
    form->N4Click();

    RightClickChoosing(L"Изход");
    app.ProcessMessages();

    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(form->Visible());
    shell.calls.clear();
    form.reset();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].request, static_cast<DWORD>(NIM_DELETE));
}

// A whole run of the program with a show command; the state is read once the loop runs.
struct StartCase {
    const char* name;
    int showCommand;
    State expected;
};

void PrintTo(const StartCase& c, std::ostream* out)
{
    *out << c.name;
}

class StartTest : public test_support::AppTest, public ::testing::WithParamInterface<StartCase> {
protected:
    static inline State seen{};
    static void CALLBACK LookThenQuit(HWND, UINT, UINT_PTR timer, DWORD)
    {
        if (!Form1)
            return;
        KillTimer(nullptr, timer);
        const HWND application = ui::Application::Current().Handle();
        seen = {IsIconic(application) != FALSE, IsWindowVisible(application) != FALSE, Form1->Visible()};
        PostQuitMessage(0);
    }
};

TEST_P(StartTest, AMinimizedShowCommandGoesStraightToTheTray)
{
    test_support::WriteCatalogue({{.name = L"Супи", .rows = {{L"Таратор", L"краставица", L"Разбърква се."}}}});
    test_support::WriteAdviceDatabases({});
    test_support::WriteMyRecipes({});
    SetTimer(nullptr, 0, 50, &StartTest::LookThenQuit);

    EXPECT_EQ(RunProgram(app, GetParam().showCommand), 0);

    EXPECT_EQ(seen, GetParam().expected);
    EXPECT_TRUE(Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(ShowCommands, StartTest,
                         ::testing::Values(StartCase{"ShowMinNoActive", SW_SHOWMINNOACTIVE, kInTray},
                                           StartCase{"ShowMinimized", SW_SHOWMINIMIZED, kInTray},
                                           StartCase{"Minimize", SW_MINIMIZE, kInTray},
                                           StartCase{"ShowNormal", SW_SHOWNORMAL, kShown}),
                         [](const auto& info) { return std::string(info.param.name); });

}
