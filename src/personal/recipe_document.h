// A recipe as it leaves the program, and the forms it takes: plain text, a text file, a web page,
// a file name, and the numbered steps of its method.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace personal {

struct RecipeDocument {
    std::wstring name;
    std::wstring place;  // the category it was listed in, or the own recipes
    std::wstring products;
    std::wstring burn;
};

// The lines of a text broken at CR LF, LF or CR; a line end at the very end starts no line.
std::vector<std::wstring> TextLines(std::wstring_view text);

// The method's lines that hold anything, each as a numbered step "N. ...". A method whose lines
// are numbered already keeps its own numbers.
std::vector<std::wstring> MethodSteps(std::wstring_view burn);

// Name, place, then the ingredients and the method under their headings, as stored, with Windows
// line ends: what the clipboard takes and what a text file holds.
std::wstring PlainText(const RecipeDocument& recipe);
// The plain text as UTF-8 with its byte-order mark.
std::string TextFileBytes(const RecipeDocument& recipe);
// A page that reads and prints well from a browser, UTF-8, every text escaped.
std::string HtmlFileBytes(const RecipeDocument& recipe);

// A name Windows takes for a file: characters it refuses become "_", trailing dots and blanks go,
// a device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9) gets "_" added; what is left empty becomes
// `fallback`.
std::wstring FileNameFor(std::wstring_view name, std::wstring_view fallback);

}
