// Laying lines out on pages: lines broken only where they must be, never split between pages,
// headings kept with what follows, and nothing lost or repeated.
#include "ui/print_layout.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ui::PrintLine;
using ui::TextStyle;

// Every character 10 units wide; a line of Body 10 high, a Heading 15.
int Width(TextStyle, std::wstring_view text)
{
    return static_cast<int>(text.size()) * 10;
}
int Height(TextStyle style)
{
    return style == TextStyle::Heading ? 15 : 10;
}

std::vector<std::wstring> Texts(const std::vector<PrintLine>& lines)
{
    std::vector<std::wstring> texts;
    for (const auto& line : lines)
        texts.push_back(line.text);
    return texts;
}

TEST(PrintLayoutTest, LinesAreBrokenAtBlanksAndOnlyInsideAWordTooLongForALine)
{
    const struct {
        std::wstring text;
        int width;
        std::vector<std::wstring> pieces;
    } kCases[] = {
        {L"къс ред", 100, {L"къс ред"}},
        {L"едно две три четири", 100, {L"едно две", L"три четири"}},
        {L"абвгдежзийклмн", 50, {L"абвгд", L"ежзий", L"клмн"}},
        {L"", 50, {L""}},
        // A pair of surrogates is one character: never cut between its halves.
        {L"абвг\U0001F372д", 50, {L"абвг", L"\U0001F372д"}},
    };
    for (const auto& c : kCases) {
        const auto wrapped = ui::WrapLines({{.text = c.text}}, c.width, Width, 0);
        EXPECT_EQ(Texts(wrapped), c.pieces) << base::Narrow(c.text);
        for (const auto& piece : wrapped)
            EXPECT_LE(Width(piece.style, piece.text), c.width) << base::Narrow(c.text);
        // The pieces of one line are kept together on a page, the last one as the line was.
        for (std::size_t i = 0; i + 1 < wrapped.size(); ++i)
            EXPECT_TRUE(wrapped[i].keepWithNext);
        EXPECT_FALSE(wrapped.back().keepWithNext);
    }
}

TEST(PrintLayoutTest, ContinuedLinesHangUnderTheFirst)
{
    const auto wrapped = ui::WrapLines({{.text = L"1. едно две три", .indent = 20}}, 100, Width, 30);
    ASSERT_EQ(wrapped.size(), 3u);
    EXPECT_EQ(wrapped[0].indent, 20);
    EXPECT_EQ(wrapped[1].indent, 50);
    EXPECT_EQ(wrapped[2].indent, 50);
    for (const auto& piece : wrapped)
        EXPECT_LE(piece.indent + Width(piece.style, piece.text), 100);
}

TEST(PrintLayoutTest, PagesHoldWholeLinesInOrderAndKeepHeadingsWithTheNextLine)
{
    // Page height 50: five body lines. The heading at the end of page one moves to page two.
    std::vector<PrintLine> lines;
    for (int i = 1; i <= 4; ++i)
        lines.push_back({.text = L"ред " + std::to_wstring(i)});
    lines.push_back({.style = TextStyle::Heading, .text = L"Заглавие", .keepWithNext = true});
    for (int i = 5; i <= 12; ++i)
        lines.push_back({.text = L"ред " + std::to_wstring(i)});
    const auto pages = ui::Paginate(lines, 50, Height);
    std::vector<std::wstring> placed;
    for (const auto& page : pages) {
        ASSERT_FALSE(page.empty());
        int expectedTop = 0;
        for (const auto& line : page) {
            EXPECT_EQ(line.top, expectedTop);
            expectedTop += Height(line.line.style);
            placed.push_back(line.line.text);
        }
        EXPECT_LE(expectedTop, 50) << "a line runs past the page's foot";
        EXPECT_FALSE(page.back().line.keepWithNext) << "a heading was left at the foot of a page";
    }
    EXPECT_EQ(placed, Texts(lines));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].front().line.text, L"Заглавие");
}

TEST(PrintLayoutTest, BlankLinesDoNotStartAPageAndAnOverlongRunStillFlows)
{
    std::vector<PrintLine> lines{{.text = L"а"}, {.text = L"б"}, {.text = L"в"}, {.text = L"г"}, {.text = L"д"}, {}, {.text = L"е"}};
    const auto pages = ui::Paginate(lines, 50, Height);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].front().line.text, L"е");

    // A wrapped paragraph longer than a page cannot stay together: it flows, nothing lost.
    std::vector<PrintLine> run;
    for (int i = 0; i < 12; ++i)
        run.push_back({.text = L"част " + std::to_wstring(i), .keepWithNext = i < 11});
    std::size_t placed = 0;
    for (const auto& page : ui::Paginate(run, 50, Height))
        placed += page.size();
    EXPECT_EQ(placed, run.size());
}

}
