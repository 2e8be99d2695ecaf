// Breaking lines and filling pages.
#include "ui/print_layout.h"

namespace ui {
namespace {

// The longest start of `text` that fits `width`, ending at a blank when one is there; never empty.
std::size_t FittingLength(std::wstring_view text, int width, TextStyle style, const MeasureText& measure)
{
    std::size_t low = 1, high = text.size();
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (measure(style, text.substr(0, middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    if (low == text.size())
        return low;
    const auto blank = text.substr(0, low + 1).find_last_of(L' ');
    if (blank != std::wstring_view::npos && blank > 0)
        return blank;
    // A surrogate pair stays whole.
    if (low > 1 && text[low - 1] >= 0xD800 && text[low - 1] <= 0xDBFF)
        --low;
    return low;
}

}

std::vector<PrintLine> WrapLines(const std::vector<PrintLine>& lines, int width, const MeasureText& measure, int hangingIndent)
{
    std::vector<PrintLine> wrapped;
    for (const auto& line : lines) {
        std::wstring_view rest = line.text;
        int indent = line.indent;
        do {
            const int room = width - indent;
            const std::size_t length = (rest.empty() || measure(line.style, rest) <= room)
                                           ? rest.size()
                                           : FittingLength(rest, room, line.style, measure);
            PrintLine piece = line;
            piece.text = std::wstring(rest.substr(0, length));
            piece.indent = indent;
            rest.remove_prefix(length);
            while (!rest.empty() && rest.front() == L' ')
                rest.remove_prefix(1);
            piece.keepWithNext = line.keepWithNext || !rest.empty();
            wrapped.push_back(std::move(piece));
            indent = line.indent + hangingIndent;
        } while (!rest.empty());
    }
    return wrapped;
}

std::vector<PrintPage> Paginate(const std::vector<PrintLine>& lines, int height, const LineHeight& lineHeight)
{
    std::vector<PrintPage> pages(1);
    int top = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PrintLine& line = lines[i];
        if (line.text.empty() && pages.back().empty())
            continue;
        // The run of lines kept together that starts here, up to the first line not kept with the next.
        int run = 0;
        std::size_t end = i;
        for (; end < lines.size(); ++end) {
            run += lineHeight(lines[end].style);
            if (!lines[end].keepWithNext)
                break;
        }
        const bool runFits = run <= height;
        const int needed = runFits ? run : lineHeight(line.style);
        if (top + needed > height && !pages.back().empty()) {
            pages.emplace_back();
            top = 0;
            if (line.text.empty())
                continue;
        }
        pages.back().push_back({line, top});
        top += lineHeight(line.style);
    }
    if (pages.back().empty() && pages.size() > 1)
        pages.pop_back();
    return pages;
}

}
