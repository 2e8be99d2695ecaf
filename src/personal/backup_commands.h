// The commands that back up the own recipes and restore them from a copy, as the main window's
// "Рецепта" menu and the my-recipes window's list menu run them.
#pragma once
#include <windows.h>

#include <string>

namespace personal {

class RecipeStore;

// Asks where to write the copy and writes it; says how many recipes it holds.
void BackUpCommand(RecipeStore& store, HWND owner);
// Asks for a copy, shows what it holds against the file, asks what to do and restores. When the
// copy's texts are to replace the file's, the file as it was is first backed up beside itself
// (KeptBeforeRestore), so that no text is lost whatever the choice. The store tells every window
// of what changed.
void RestoreCommand(RecipeStore& store, HWND owner);
// Where that backup goes: "pelnor_myrecepies - преди възстановяване.rec" beside the own file.
std::wstring KeptBeforeRestore(const std::wstring& ownFile);

}
