// Laying text out on printed pages, without drawing: lines broken to the page's width, then
// placed top to bottom, page after page. Pure, so that what a printer gets can be tested.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

enum class TextStyle { Title, Subtitle, Heading, Body, Footer };

struct PrintLine {
    TextStyle style = TextStyle::Body;
    std::wstring text;  // empty for a blank line
    int indent = 0;     // in the page's units, from the left margin
    // A heading stays on the page of the line after it.
    bool keepWithNext = false;
    bool operator==(const PrintLine&) const = default;
};

struct PlacedLine {
    PrintLine line;
    int top = 0;  // from the top of the area the lines fill
    bool operator==(const PlacedLine&) const = default;
};
using PrintPage = std::vector<PlacedLine>;

// The width `text` takes in `style`, in the page's units.
using MeasureText = std::function<int(TextStyle style, std::wstring_view text)>;
using LineHeight = std::function<int(TextStyle style)>;

// Breaks every line wider than `width` (its indent counted) into lines that fit, at blanks where
// it can and inside a word only when the word alone is wider; continued lines keep the indent
// plus `hangingIndent`. Nothing is dropped: the pieces joined give the line again, blanks at
// the breaks aside.
std::vector<PrintLine> WrapLines(const std::vector<PrintLine>& lines, int width, const MeasureText& measure, int hangingIndent);

// Places the lines down pages of `height`: a line is never split between pages, a blank line is
// not put at the top of a page, and a line kept with the next starts a new page rather than end
// one. A line taller than the page gets a page of its own.
std::vector<PrintPage> Paginate(const std::vector<PrintLine>& lines, int height, const LineHeight& lineHeight);

}
