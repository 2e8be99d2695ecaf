// The forms a recipe takes outside the program.
#include "output/document.h"

#include "output/texts.h"
#include "base/text.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cwctype>

namespace output {
namespace {

constexpr std::wstring_view kCrLf = L"\r\n";
// The longest file name offered: Windows takes 255 characters, and a folder's path comes before it.
constexpr std::size_t kMaxFileName = 120;

bool IsBlank(std::wstring_view line)
{
    return std::ranges::all_of(line, [](wchar_t c) { return std::iswspace(c) != 0; });
}

// "12. text" or "12) text": the number and what follows it.
bool IsNumbered(std::wstring_view line)
{
    const auto start = line.find_first_not_of(L" \t");
    if (start == std::wstring_view::npos)
        return false;
    std::size_t end = start;
    while (end < line.size() && line[end] >= L'0' && line[end] <= L'9')
        ++end;
    return end > start && end < line.size() && (line[end] == L'.' || line[end] == L')');
}

std::wstring Escaped(std::wstring_view text)
{
    std::wstring escaped;
    for (const wchar_t c : text) {
        switch (c) {
        case L'&': escaped += L"&amp;"; break;
        case L'<': escaped += L"&lt;"; break;
        case L'>': escaped += L"&gt;"; break;
        case L'"': escaped += L"&quot;"; break;
        case L'\'': escaped += L"&#39;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::wstring WithCrLf(std::wstring_view text)
{
    std::wstring result;
    for (const auto& line : TextLines(text))
        result += line + std::wstring(kCrLf);
    return result;
}

constexpr std::wstring_view kPageStyle =
    L"body{font-family:Georgia,'Times New Roman',serif;max-width:40em;margin:2em auto;padding:0 1em;line-height:1.45;color:#111}"
    L"h1{margin:0 0 .2em}.place{color:#555;margin:0 0 1.5em;font-style:italic}"
    L"h2{font-size:1.15em;border-bottom:1px solid #999;margin:1.5em 0 .5em}"
    L"ul{padding-left:1.4em}li,p.step{margin:.25em 0}"
    L"@media print{body{margin:0;max-width:none;padding:0}h2{break-after:avoid}li,p.step{break-inside:avoid}}";

}

std::vector<std::wstring> TextLines(std::wstring_view text)
{
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ? 2 : 1);
    }
    return lines;
}

std::vector<std::wstring> MethodSteps(std::wstring_view burn)
{
    std::vector<std::wstring> steps;
    for (auto& line : TextLines(burn)) {
        if (!IsBlank(line))
            steps.push_back(std::move(line));
    }
    if (std::ranges::all_of(steps, [](const std::wstring& step) { return IsNumbered(step); }))
        return steps;
    for (std::size_t i = 0; i < steps.size(); ++i)
        steps[i] = std::to_wstring(i + 1) + L". " + steps[i];
    return steps;
}

std::wstring PlainText(const RecipeDocument& recipe)
{
    return recipe.name + std::wstring(kCrLf) + recipe.place + std::wstring(kCrLf) + std::wstring(kCrLf) +
           std::wstring(kProductsHeading) + L":" + std::wstring(kCrLf) + WithCrLf(recipe.products) + std::wstring(kCrLf) +
           std::wstring(kMethodHeading) + L":" + std::wstring(kCrLf) + WithCrLf(recipe.burn);
}

std::string TextFileBytes(std::wstring_view text)
{
    return "\xEF\xBB\xBF" + base::Narrow(text);
}

std::string HtmlFileBytes(const RecipeDocument& recipe)
{
    std::wstring page = L"<!DOCTYPE html>\r\n<html lang=\"bg\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>" +
                        Escaped(recipe.name) + L"</title>\r\n<style>" + std::wstring(kPageStyle) +
                        L"</style>\r\n</head>\r\n<body>\r\n<h1>" + Escaped(recipe.name) + L"</h1>\r\n<p class=\"place\">" +
                        Escaped(recipe.place) + L"</p>\r\n<h2>" + std::wstring(kProductsHeading) + L"</h2>\r\n<ul>\r\n";
    for (const auto& line : TextLines(recipe.products)) {
        if (!IsBlank(line))
            page += L"<li>" + Escaped(line) + L"</li>\r\n";
    }
    page += L"</ul>\r\n<h2>" + std::wstring(kMethodHeading) + L"</h2>\r\n";
    for (const auto& step : MethodSteps(recipe.burn))
        page += L"<p class=\"step\">" + Escaped(step) + L"</p>\r\n";
    page += L"</body>\r\n</html>\r\n";
    return base::Narrow(page);
}

std::vector<ui::PrintLine> RecipePrintLines(const RecipeDocument& recipe)
{
    using ui::TextStyle;
    std::vector<ui::PrintLine> lines{{.style = TextStyle::Title, .text = recipe.name, .keepWithNext = true},
                                     {.style = TextStyle::Subtitle, .text = recipe.place},
                                     {},
                                     {.style = TextStyle::Heading, .text = std::wstring(kProductsHeading), .keepWithNext = true}};
    for (auto& line : TextLines(recipe.products)) {
        if (!IsBlank(line))
            lines.push_back({.text = std::move(line)});
    }
    lines.push_back({});
    lines.push_back({.style = TextStyle::Heading, .text = std::wstring(kMethodHeading), .keepWithNext = true});
    for (auto& step : MethodSteps(recipe.burn))
        lines.push_back({.text = std::move(step)});
    return lines;
}

Document DocumentOf(const RecipeDocument& recipe)
{
    return {.title = recipe.name, .text = PlainText(recipe), .page = HtmlFileBytes(recipe), .lines = RecipePrintLines(recipe)};
}

std::wstring FileNameFor(std::wstring_view name, std::wstring_view fallback)
{
    constexpr std::wstring_view kRefused = L"<>:\"/\\|?*";
    std::wstring file;
    for (const wchar_t c : name)
        file += (c < 32 || kRefused.find(c) != std::wstring_view::npos) ? L'_' : c;
    if (file.size() > kMaxFileName)
        file.resize(kMaxFileName - (IS_HIGH_SURROGATE(file[kMaxFileName - 1]) ? 1 : 0));
    while (!file.empty() && (file.back() == L'.' || file.back() == L' '))
        file.pop_back();
    const auto start = file.find_first_not_of(L' ');
    file.erase(0, start == std::wstring::npos ? file.size() : start);
    if (file.empty())
        return std::wstring(fallback);
    // Windows opens the device, not a file, for these names with any extension after them.
    constexpr std::array<std::wstring_view, 4> kDevices{L"CON", L"PRN", L"AUX", L"NUL"};
    std::wstring stem = file.substr(0, file.find(L'.'));
    while (!stem.empty() && stem.back() == L' ')
        stem.pop_back();
    std::ranges::transform(stem, stem.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    const bool numbered = stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) && stem[3] >= L'1' &&
                          stem[3] <= L'9';
    if (numbered || std::ranges::find(kDevices, stem) != kDevices.end())
        file.insert(stem.size(), L"_");
    return file;
}

}
