// The start-up sequence: splash, the six lasting windows, the main loop.
#pragma once
#include "app/program.h"
#include "ui/application.h"

#include <memory>

namespace personal {
class RecipeStore;
}

// The lasting windows, alive from start-up to the end of the program, and the own-recipe store they share.
struct LastingWindows {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TAboutBox> aboutBox;
    std::unique_ptr<personal::RecipeStore> ownRecipes;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm5> form5;
    ~LastingWindows();
};

// Creates the windows in the program's order and sets the program-wide references; no command runs
// until the last one exists. The own-recipe store is opened where the add-recipe window, the first
// to use it, is created, and handed to every window that shows the own recipes.
void CreateLastingWindows(LastingWindows& windows);
class TForm6;
// Shows the splash and processes messages until its timer has fired once.
std::unique_ptr<TForm6> ShowSplash(ui::Application& app);
// The whole run; returns the process exit code.
int RunProgram(ui::Application& app, int showCommand);
