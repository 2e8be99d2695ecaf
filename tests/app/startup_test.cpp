// Start-up: the lasting windows and their references, the splash wait, and a start without a catalogue.
#include "app/pelnor.h"
#include "app/program.h"
#include "app/splash.h"
#include "app/startup.h"
#include "personal/addrecepies.h"
#include "personal/myrecepies.h"
#include "reference/about.h"
#include "reference/popmenu.h"
#include "reference/readme.h"
#include "support/advice_files.h"
#include "support/app_fixture.h"
#include "support/catalogue_db.h"
#include "support/my_recipes_db.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using base::Narrow;

using StartupTest = test_support::AppTest;

std::string ClassName(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return Narrow(name);
}

TEST_F(StartupTest, CreatesTheSixLastingWindowsInOrderAndPointsTheReferencesAtThem)
{
    test_support::WriteCatalogue({{.name = L"Супи", .rows = {{L"Таратор", L"кисело мляко", L"Разбърква се."}}}});
    test_support::WriteAdviceDatabases({});
    test_support::WriteMyRecipes({});
    LastingWindows windows;
    CreateLastingWindows(windows);

    std::vector<std::string> classes;
    for (const ui::Form* form : app.Forms())
        classes.push_back(ClassName(form->Handle()));
    EXPECT_EQ(classes, (std::vector<std::string>{"TForm1", "TAboutBox", "TForm4", "TForm2", "TForm3", "TForm5"}));

    const std::vector<const ui::Form*> references{Form1, AboutBox, Form4, Form2, Form3, Form5};
    const std::vector<const ui::Form*> created{windows.form1.get(), windows.aboutBox.get(), windows.form4.get(),
                                               windows.form2.get(), windows.form3.get(), windows.form5.get()};
    EXPECT_EQ(references, created);
    EXPECT_EQ(std::vector<const ui::Form*>(app.Forms().begin(), app.Forms().end()), created);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(StartupTest, SplashTimerRunsFromCreation)
{
    const TForm6 splash;
    EXPECT_TRUE(splash.TimerEnabled());
}

TEST_F(StartupTest, ShowSplashReturnsTheVisibleSplashOnceItsTimerHasStopped)
{
    const auto splash = ShowSplash(app);
    ASSERT_NE(splash, nullptr);
    EXPECT_FALSE(splash->TimerEnabled());
    EXPECT_TRUE(splash->Visible());
    EXPECT_FALSE(app.Terminated());
}

TEST_F(StartupTest, RunWithoutTheCatalogueShowsOneErrorNamingTheFileAndReturns1)
{
    EXPECT_EQ(RunProgram(app, SW_SHOWNORMAL), 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(Narrow(dialogs.messages[0].caption), "Application Error");
    EXPECT_NE(dialogs.messages[0].text.find(L"pelnor_recepies.rec"), std::wstring::npos) << Narrow(dialogs.messages[0].text);
}

// While a start-up box is up, its loop hands on what reaches the main window: the user's menu
// choices and commands other programs post. At the first box every command of the main window is
// posted, the exit command last.
class StartupCommandTest : public StartupTest {
protected:
    StartupCommandTest()
    {
        dialogs.whileShown = [this](const test_support::ShownMessage&) {
            TForm1* main = MainWindow();
            if (!main || postedTo)
                return;
            postedTo = main;
            const UINT exit = main->ActionManager1.Get(L"Izhod").id;
            for (const auto& command : main->ActionManager1.All()) {
                if (command->id != exit)
                    PostMessageW(main->Handle(), WM_COMMAND, MAKEWPARAM(command->id, 0), 0);
            }
            PostMessageW(main->Handle(), WM_COMMAND, MAKEWPARAM(exit, 0), 0);
            app.ProcessMessages();
        };
    }
    // The main window as soon as it is being made: before the program-wide reference points at it,
    // and while the splash is still the application's first form.
    TForm1* MainWindow() const
    {
        for (ui::Form* form : app.Forms()) {
            if (auto* main = dynamic_cast<TForm1*>(form))
                return main;
        }
        return nullptr;
    }
    bool AnyFormVisible() const
    {
        return std::ranges::any_of(app.Forms(), [](const ui::Form* form) { return form->Visible(); });
    }

    const TForm1* postedTo = nullptr;
};

TEST_F(StartupCommandTest, CommandsPostedWhileTheStartUpErrorIsShownDoNothing)
{
    // The practical-advice window cannot open its databases: start-up ends after three windows.
    test_support::WriteCatalogue({{.name = L"Супи", .rows = {{L"Таратор", L"кисело мляко", L"Разбърква се."}}}});
    test_support::WriteMyRecipes({});

    EXPECT_EQ(RunProgram(app, SW_SHOWNORMAL), 1);
    EXPECT_NE(postedTo, nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u) << Narrow(dialogs.messages.back().text);
    EXPECT_EQ(Narrow(dialogs.messages[0].caption), "Application Error");
    EXPECT_FALSE(app.Terminated());
}

TEST_F(StartupCommandTest, CommandsPostedWhileAWindowsCreationErrorIsShownDoNothingAndRunOnceAllWindowsExist)
{
    // The main window's design table is missing: its creation handler reports it, start-up goes on.
    test_support::WriteCatalogue({{.name = L"Закуски", .rows = {{L"Мекици", L"брашно", L"Пържат се."}}}});
    test_support::WriteAdviceDatabases({});
    test_support::WriteMyRecipes({});
    LastingWindows windows;
    CreateLastingWindows(windows);

    ASSERT_NE(postedTo, nullptr);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find(L"Супи"), std::wstring::npos) << Narrow(Errors()[0]);
    EXPECT_EQ(dialogs.messages.size(), 1u) << Narrow(dialogs.messages.back().text);
    EXPECT_FALSE(AnyFormVisible());
    EXPECT_EQ(Form1->ListBox1.Count(), 0);
    EXPECT_FALSE(app.Terminated());

    dialogs.whileShown = nullptr;
    SendMessageW(Form1->Handle(), WM_COMMAND, MAKEWPARAM(Form1->ActionManager1.Get(L"Zakuski").id, 0), 0);
    EXPECT_EQ(Form1->ListBox1.Count(), 1);
}

}
