// The commands that save, copy and print the recipe on screen, and back up and restore the own
// recipes, as both recipe windows run them.
#pragma once
#include "data/table.h"
#include "personal/recipe_document.h"
#include "ui/clipboard.h"
#include "ui/controls.h"
#include "ui/printing.h"

#include <windows.h>

#include <optional>
#include <string>

namespace personal {

// The system services the commands reach; tests give their own.
struct OutputServices {
    ui::Clipboard& clipboard = ui::SystemClipboard();
    ui::Printing& printing = ui::SystemPrinting();
};

// The recipe a window shows from `place`: the name selected in its list, the ingredients and method
// of the table's current row. None while no name is selected or the table stands on no row.
std::optional<RecipeDocument> RecipeShown(const ui::ListBox& list, const data::Table& table, std::wstring place);

// With no recipe on screen, each of the three says so and does nothing else.
void SaveCommand(HWND owner, const std::optional<RecipeDocument>& shown);
void CopyCommand(ui::Clipboard& clipboard, HWND owner, const std::optional<RecipeDocument>& shown);
void PrintCommand(ui::Printing& printing, HWND owner, const std::optional<RecipeDocument>& shown);

// Asks where to write the copy and writes it; says how many recipes it holds.
void BackUpCommand(HWND owner);
// Asks for a copy, shows what it holds against the file, asks what to do and restores. When the
// copy's texts are to replace the file's, the file as it was is first backed up beside itself
// (KeptBeforeRestore), so that no text is lost whatever the choice. True when the file was
// changed: the windows then list its recipes again.
bool RestoreCommand(HWND owner);
// Where that backup goes: "pelnor_myrecepies - преди възстановяване.rec" beside the own file.
std::wstring KeptBeforeRestore(const std::wstring& ownFile);

}
