// Saving the recipe on screen as a file, and copying it to the clipboard.
#pragma once
#include "personal/recipe_document.h"
#include "ui/clipboard.h"
#include "ui/dialogs.h"

#include <windows.h>

#include <string>

namespace personal {

// The file types the save dialog offers, in its order.
enum class SavedAs { Text = 0, Html = 1 };

// The type a chosen file is written as: its extension decides (.htm, .html or .txt, in any case);
// without one of those, the type line chosen in the dialog.
SavedAs TypeOf(const ui::FileChoice& choice);

// Asks for a file in the save dialog, offering the recipe's name made a valid file name, and writes
// the recipe there as text or as a web page. The file is written beside under another name and
// then put in place whole. False when the dialog was cancelled; throws ui::Error when the file
// cannot be written, and whatever was there stays as it was.
bool SaveRecipe(ui::Dialogs& dialogs, HWND owner, const RecipeDocument& recipe);

// The whole recipe as plain text.
void CopyRecipe(ui::Clipboard& clipboard, HWND owner, const RecipeDocument& recipe);

// Writes `bytes` to `path` through a file beside it that is then moved into its place.
void ReplaceFile(const std::wstring& path, std::string_view bytes);

}
