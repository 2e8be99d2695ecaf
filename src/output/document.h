// A document as it leaves the program, and the forms a recipe takes: plain text, a text file, a web
// page, printed lines, a file name, and the numbered steps of its method.
#pragma once
#include "ui/print_layout.h"

#include <string>
#include <string_view>
#include <vector>

namespace output {

struct RecipeDocument {
    std::wstring name;
    std::wstring place;  // the category it was listed in, or the own recipes
    std::wstring products;
    std::wstring burn;
};

// Anything the program prints, saves or copies, in every form it takes there. A recipe becomes one
// through DocumentOf; another kind of document (a shopping list) fills one of its own.
struct Document {
    std::wstring title;                // the print job's name, and the file name offered to save it
    std::wstring text;                 // plain text with Windows line ends: the clipboard, a text file
    std::string page;                  // a web page, UTF-8
    std::vector<ui::PrintLine> lines;  // the printed lines, in order
};

Document DocumentOf(const RecipeDocument& recipe);

// The lines of a text broken at CR LF, LF or CR; a line end at the very end starts no line.
std::vector<std::wstring> TextLines(std::wstring_view text);

// The method's lines that hold anything, each as a numbered step "N. ...". A method whose lines
// are numbered already keeps its own numbers.
std::vector<std::wstring> MethodSteps(std::wstring_view burn);

// Name, place, then the ingredients and the method under their headings, as stored, with Windows
// line ends: what the clipboard takes and what a text file holds.
std::wstring PlainText(const RecipeDocument& recipe);
// Plain text as a text file holds it: UTF-8 with its byte-order mark.
std::string TextFileBytes(std::wstring_view text);
// A page that reads and prints well from a browser, UTF-8, every text escaped.
std::string HtmlFileBytes(const RecipeDocument& recipe);

// The name as a title, where it comes from, the ingredients under their heading, then the method
// as numbered steps under its own; blank lines of the texts are left out.
std::vector<ui::PrintLine> RecipePrintLines(const RecipeDocument& recipe);

// A name Windows takes for a file: characters it refuses become "_", trailing dots and blanks go,
// a device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9) gets "_" added; what is left empty becomes
// `fallback`.
std::wstring FileNameFor(std::wstring_view name, std::wstring_view fallback);

}
