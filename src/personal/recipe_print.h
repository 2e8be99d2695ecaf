// The printed recipe: its lines in order, the page footer, and the print command's work.
#pragma once
#include "personal/recipe_document.h"
#include "ui/print_layout.h"
#include "ui/printing.h"

#include <windows.h>

#include <string>
#include <vector>

namespace personal {

// The name as a title, where it comes from, the ingredients under their heading, then the method
// as numbered steps under its own; blank lines of the texts are left out.
std::vector<ui::PrintLine> RecipePrintLines(const RecipeDocument& recipe);

// "Страница 2 от 3".
std::wstring PageFooter(int page, int pages);

// Prints the recipe on the surface's paper; returns the number of pages.
int PrintRecipe(ui::PageSurface& surface, const ui::PageGeometry& geometry, const RecipeDocument& recipe);

// The print command: the print dialog, then the recipe on the printer chosen there. False when
// the dialog was cancelled.
bool PrintRecipe(ui::Printing& printing, HWND owner, const RecipeDocument& recipe);

}
