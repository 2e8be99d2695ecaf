// The wrapping of texts into display lines, measured with a fake font whose every character is one
// pixel wide, and a count of how much it measures.
#include "ui/text.h"
#include "ui/text_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Wrap(const std::wstring& text, int width)
{
    const auto lines = ui::WrapText(text, width, [](const wchar_t*, int count, int maxWidth) { return std::min(count, maxWidth); });
    std::vector<std::wstring> shown;
    for (const auto& line : lines)
        shown.push_back(text.substr(line.start, line.length));
    return shown;
}

std::string Joined(const std::vector<std::wstring>& lines)
{
    std::string joined;
    for (const auto& line : lines)
        joined.append("[").append(ui::Narrow(line)).append("]");
    return joined;
}

TEST(WrapText, BreaksAtLineEndsAndBetweenWords)
{
    const struct {
        const wchar_t* text;
        int width;
        const char* lines;
    } cases[] = {
        {L"", 10, "[]"},
        {L"едно\r\nдве\nтри\rчетири", 10, "[едно][две][три][четири]"},
        {L"a\r\rb\n\nc", 10, "[a][][b][][c]"},
        {L"a\n\rb", 10, "[a][][b]"},
        {L"край\r\n", 10, "[край][]"},
        {L"\n", 10, "[][]"},
        {L"aa bb cc", 5, "[aa bb][cc]"},
        {L"aa bbb cc", 5, "[aa][bbb][cc]"},
        {L"aaaaaaaaaaaa b", 5, "[aaaaa][aaaaa][aa b]"},
        {L"ab     cd", 4, "[ab][cd]"},
        {L"ab\tcd", 3, "[ab][cd]"},
        {L"        ", 3, "[   ]"},
        {L"  ab", 10, "[  ab]"},
        {L"abc", 0, "[a][b][c]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Joined(Wrap(c.text, c.width)), c.lines) << ui::Narrow(c.text) << " at " << c.width;
}

TEST(WrapText, MeasuresALongParagraphABoundedPieceAtATime)
{
    std::wstring text;
    for (int word = 0; word < 20000; ++word)
        text += L"думата ";
    long long measured = 0;
    int longest = 0;
    const auto lines = ui::WrapText(text, 60, [&](const wchar_t*, int count, int maxWidth) {
        measured += count;
        longest = std::max(longest, count);
        return std::min(count, maxWidth);
    });
    EXPECT_LE(longest, ui::kMeasureWindow);
    EXPECT_LE(measured, static_cast<long long>(text.size()) * ui::kMeasureWindow / 50);
    ASSERT_GT(lines.size(), 1u);
    size_t shown = 0;
    for (const auto& line : lines) {
        EXPECT_LE(line.length, 60u);
        shown += line.length;
    }
    // Only the blanks at the breaks are left out.
    EXPECT_GE(shown, text.size() - lines.size() * 2);
}

}
