// The program-wide references to its lasting windows, set as start-up creates them.
//
// The windows keep the names the program has always had. Which is which:
//
//   class      files                     what a user calls it
//   TForm1     app/pelnor                the main window: categories, recipe list, the recipe's views
//   TForm2     reference/popmenu         the practical-advice window (advice, measures, food energy)
//   TForm3     reference/readme          the readme window
//   TForm4     personal/addrecepies      the add-recipe window
//   TForm5     personal/myrecepies       the my-recipes window
//   TForm6     app/splash                the splash window shown while the program starts
//   TForm7     catalogue/searchall       the search over everything
//   TAboutBox  reference/about           the About box
#pragma once
// Form4 and Form5, the own-recipe windows, which show each other.
#include "personal/windows.h"

class TForm1;
class TAboutBox;
class TForm2;
class TForm3;

extern TForm1* Form1;
extern TAboutBox* AboutBox;
extern TForm2* Form2;
extern TForm3* Form3;
