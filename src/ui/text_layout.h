// Breaking a text into display lines: paragraphs at CR LF, LF or CR, each wrapped at blanks to a width,
// measured a bounded piece at a time so that the work grows with the text's length, not its square.
#pragma once
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace ui {

struct TextLine {
    size_t start = 0;
    size_t length = 0;  // without the line break and the blanks the line was broken at
};

// How many of the first `count` characters fit in `width` pixels.
using FitMeasure = std::function<int(const wchar_t* text, int count, int width)>;

// At most this many characters are measured at once: a longer line is broken within them.
constexpr int kMeasureWindow = 300;

// Always at least one line; a text that ends in a line break ends in an empty line.
std::vector<TextLine> WrapText(std::wstring_view text, int width, const FitMeasure& fit);

}
