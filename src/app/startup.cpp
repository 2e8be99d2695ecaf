// The start-up sequence.
#include "app/startup.h"

#include "app/appearance.h"
#include "app/pelnor.h"
#include "app/program.h"
#include "app/splash.h"
#include "app/texts.h"
#include "personal/addrecepies.h"
#include "personal/myrecepies.h"
#include "personal/recipe_store.h"
#include "reference/about.h"
#include "reference/popmenu.h"
#include "reference/readme.h"
#include "base/text.h"

#include <exception>

TForm1* Form1 = nullptr;
TAboutBox* AboutBox = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;

LastingWindows::~LastingWindows()
{
    Form1 = nullptr;
    AboutBox = nullptr;
    Form4 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form5 = nullptr;
}

void CreateLastingWindows(LastingWindows& windows)
{
    // The main window's commands show the other windows: they wait until the last one exists. A
    // start that fails keeps them waiting while its error is shown, up to the end of the program.
    auto& app = ui::Application::Current();
    app.SetStarting(true);
    Form1 = (windows.form1 = std::make_unique<TForm1>(settings::SettingsFile::ForExecutable())).get();
    AboutBox = (windows.aboutBox = std::make_unique<TAboutBox>()).get();
    // The own-recipe windows' views take the main window's background colour.
    const ui::Color viewColor = app::ReadColor(settings::SettingsFile::ForExecutable());
    // The own recipes open where the add-recipe window, the first to show them, is made.
    windows.ownRecipes = std::make_unique<personal::RecipeStore>();
    personal::RecipeStore& ownRecipes = *windows.ownRecipes;
    Form1->UseOwnRecipes(ownRecipes);
    Form4 = (windows.form4 = std::make_unique<TForm4>(ownRecipes, viewColor)).get();
    Form2 = (windows.form2 = std::make_unique<TForm2>()).get();
    Form3 = (windows.form3 = std::make_unique<TForm3>()).get();
    Form5 = (windows.form5 = std::make_unique<TForm5>(ownRecipes, viewColor)).get();
    app.SetStarting(false);
}

std::unique_ptr<TForm6> ShowSplash(ui::Application& app)
{
    auto splash = std::make_unique<TForm6>();
    // Shown without activation: the splash takes no keyboard, and the main window that follows is
    // the first window the user works in.
    splash->Show(SW_SHOWNOACTIVATE);
    app.ProcessUntil([&] { return !splash->TimerEnabled(); });
    return splash;
}

int RunProgram(ui::Application& app, int showCommand)
{
    auto splash = ShowSplash(app);
    app.SetTitle(std::wstring(app::kTitle));
    LastingWindows windows;
    try {
        CreateLastingWindows(windows);
    } catch (const std::exception& e) {
        app.DialogService().Message(nullptr, base::Widen(e.what()), std::wstring(app::kStartupErrorCaption), MB_OK | MB_ICONERROR);
        return 1;
    }
    splash.reset();
    ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);
    if (showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_SHOWMINIMIZED || showCommand == SW_MINIMIZE) {
        // The main window is shown by the first restore.
        app.Minimize();
    } else {
        Form1->Show(showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    }
    app.Run();
    return 0;
}
