// Prints a recipe through the program's printing code on a printer named on the command line,
// without a dialog, as the print command does once a printer is chosen:
//
//     print_driver PRINTER RECIPE_FILE
//
// RECIPE_FILE is UTF-8: the name on the first line, the place on the second, then the ingredients,
// a line "---", and the method. Exit code 0 once the document has gone to the printer; otherwise
// the error is written to the standard error stream.
#include "output/print.h"
#include "ui/printing.h"
#include "base/text.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    try {
        std::ifstream in(argv[2], std::ios::binary);
        const std::wstring all = base::Widen(std::string(std::istreambuf_iterator<char>(in), {}));
        output::RecipeDocument recipe;
        const auto nameEnd = all.find(L'\n');
        const auto placeEnd = all.find(L'\n', nameEnd + 1);
        const auto split = all.find(L"\n---\n", placeEnd);
        if (nameEnd == std::wstring::npos || placeEnd == std::wstring::npos || split == std::wstring::npos)
            return 3;
        recipe.name = all.substr(0, nameEnd);
        recipe.place = all.substr(nameEnd + 1, placeEnd - nameEnd - 1);
        recipe.products = all.substr(placeEnd + 1, split - placeEnd - 1);
        recipe.burn = all.substr(split + 5);
        const auto surface = ui::StartDocumentOn(argv[1], recipe.name);
        const int pages = output::PrintPages(*surface, ui::GeometryOf(surface->Dc()), output::RecipePrintLines(recipe));
        std::printf("%d\n", pages);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
