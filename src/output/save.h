// A document saved as a file the user chooses, and copied to the clipboard.
#pragma once
#include "output/document.h"
#include "ui/clipboard.h"
#include "ui/dialogs.h"

#include <windows.h>

namespace output {

// The file types the save dialog offers, in its order.
enum class SavedAs { Text = 0, Html = 1 };

// The type a chosen file is written as: its extension decides (.htm, .html or .txt, in any case);
// without one of those, the type line chosen in the dialog.
SavedAs TypeOf(const ui::FileChoice& choice);

// Asks for a file in the save dialog, offering the document's title made a valid file name, and
// writes the document there as text or as a web page, through the one atomic file write. False
// when the dialog was cancelled; throws base::Error when the file cannot be written, and whatever
// was there stays as it was.
bool Save(ui::Dialogs& dialogs, HWND owner, const Document& document);

// The whole document as plain text.
void Copy(ui::Clipboard& clipboard, HWND owner, const Document& document);

}
