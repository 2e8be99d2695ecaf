// The wrapping of a text into display lines.
#include "ui/text_layout.h"

#include <algorithm>

namespace ui {
namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

bool IsBreak(wchar_t c)
{
    return c == L'\r' || c == L'\n';
}

// Wraps text[start, end), which holds no line break.
void WrapParagraph(std::wstring_view text, size_t start, size_t end, int width, const FitMeasure& fit,
                   std::vector<TextLine>& lines)
{
    if (start == end) {
        lines.push_back({start, 0});
        return;
    }
    size_t position = start;
    while (position < end) {
        const size_t remaining = end - position;
        const int window = static_cast<int>(std::min<size_t>(remaining, kMeasureWindow));
        const int fitting = std::clamp(fit(text.data() + position, window, width), 0, window);
        if (static_cast<size_t>(fitting) == remaining) {
            lines.push_back({position, remaining});
            return;
        }
        // Break after the last word that fits; a blank just past the fitting part counts too.
        size_t breakAt = position + fitting;
        while (breakAt > position && !IsBlank(text[breakAt]))
            --breakAt;
        size_t next = breakAt;
        if (breakAt == position) {
            // A word wider than the line is cut where the width ends, leaving at least one character.
            breakAt = next = position + std::max(fitting, 1);
        }
        size_t lineEnd = breakAt;
        while (lineEnd > position && IsBlank(text[lineEnd - 1]))
            --lineEnd;
        if (lineEnd == position && breakAt > position && IsBlank(text[position]))
            lineEnd = breakAt;  // a line of blanks alone keeps them
        lines.push_back({position, lineEnd - position});
        while (next < end && IsBlank(text[next]))
            ++next;
        position = next;
    }
}

}

std::vector<TextLine> WrapText(std::wstring_view text, int width, const FitMeasure& fit)
{
    std::vector<TextLine> lines;
    size_t start = 0;
    for (;;) {
        size_t end = start;
        while (end < text.size() && !IsBreak(text[end]))
            ++end;
        WrapParagraph(text, start, end, width, fit, lines);
        if (end == text.size())
            return lines;
        start = end + (text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n' ? 2 : 1);
    }
}

}
