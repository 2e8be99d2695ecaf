// A recipe leaving the program as a text file, a web page or clipboard text: every part of it
// there once, the file types chosen as the user chose, names made valid file names, and a file
// that cannot be written leaving what was there and nothing beside it.
#include "output/document.h"
#include "output/save.h"
#include "output/texts.h"
#include "support/app_fixture.h"
#include "ui/clipboard.h"
#include "base/error.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

class RecordingClipboard final : public ui::Clipboard {
public:
    void SetText(HWND, const std::wstring& text) override { texts.push_back(text); }
    std::vector<std::wstring> texts;
};

const output::RecipeDocument kRecipe{.name = L"Баница <\"по бабино\"> & 'още'",
                                       .place = L"Моите Рецепти",
                                       .products = L"кори\r\nсирене\n3 яйца\r\rмасло",
                                       .burn = L"Кори се редят.\nПече се 40 минути."};

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t Occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

TEST(RecipeDocumentTest, PlainTextHoldsEveryLineOnceWithWindowsLineEnds)
{
    const std::wstring text = output::PlainText(kRecipe);
    EXPECT_EQ(text, L"Баница <\"по бабино\"> & 'още'\r\nМоите Рецепти\r\n\r\nПродукти:\r\nкори\r\nсирене\r\n3 яйца\r\n\r\nмасло\r\n\r\n"
                    L"Начин на приготвяне:\r\nКори се редят.\r\nПече се 40 минути.\r\n");
    const std::string file = output::TextFileBytes(output::PlainText(kRecipe));
    EXPECT_TRUE(file.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(base::Widen(file.substr(3)), text);
}

TEST(RecipeDocumentTest, WebPageEscapesEveryTextAndHoldsEveryLine)
{
    const std::string page = output::HtmlFileBytes(kRecipe);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_EQ(page.find("<\"по"), std::string::npos) << "a text reached the page unescaped";
    EXPECT_EQ(Occurrences(page, base::Narrow(L"<h1>Баница &lt;&quot;по бабино&quot;&gt; &amp; &#39;още&#39;</h1>")), 1u);
    for (const wchar_t* line : {L"<li>кори</li>", L"<li>сирене</li>", L"<li>3 яйца</li>", L"<li>масло</li>",
                                L"1. Кори се редят.", L"2. Пече се 40 минути.", L"@media print"})
        EXPECT_EQ(Occurrences(page, base::Narrow(line)), 1u) << base::Narrow(line);
}

TEST(RecipeDocumentTest, MethodStepsAreNumberedOnceAndBlankLinesLeftOut)
{
    const struct {
        std::wstring burn;
        std::vector<std::wstring> steps;
    } kCases[] = {
        {L"Нарежи.\r\n\r\nСвари.", {L"1. Нарежи.", L"2. Свари."}},
        {L"1. Нарежи.\n2) Свари.\n", {L"1. Нарежи.", L"2) Свари."}},
        // One line without a number: the method is numbered by the program, all of it.
        {L"1. Нарежи.\nСвари.", {L"1. 1. Нарежи.", L"2. Свари."}},
        {L"  \r\n", {}},
        {L"2013 г. рецепта", {L"1. 2013 г. рецепта"}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(output::MethodSteps(c.burn), c.steps) << base::Narrow(c.burn);
}

TEST(RecipeDocumentTest, NamesBecomeValidFileNames)
{
    const struct {
        std::wstring name;
        std::wstring file;
    } kCases[] = {
        {L"Баница", L"Баница"},
        {L"Пиле/ориз: 1*2? \"да\" <не> |x|\\", L"Пиле_ориз_ 1_2_ _да_ _не_ _x__"},
        {L"Таратор...  ", L"Таратор"},
        {L"  Боб", L"Боб"},
        {L"CON", L"CON_"},
        {L"con.txt", L"con_.txt"},
        {L"Nul", L"Nul_"},
        {L"LPT1", L"LPT1_"},
        {L"COM9.рецепта", L"COM9_.рецепта"},
        {L"COM10", L"COM10"},
        {L"CONSOLE", L"CONSOLE"},
        {L"...", L"Рецепта"},
        {L"", L"Рецепта"},
        {L"ред\tс\nзнаци", L"ред_с_знаци"},
        {std::wstring(200, L'я'), std::wstring(120, L'я')},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(output::FileNameFor(c.name, output::kUnnamedFile), c.file) << base::Narrow(c.name);
}

// Files of the current folder that a write left beside its target.
std::vector<std::wstring> Temporaries()
{
    std::vector<std::wstring> found;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::current_path())) {
        if (entry.path().filename().wstring().find(L".tmp") != std::wstring::npos)
            found.push_back(entry.path().filename().wstring());
    }
    return found;
}

class SaveRecipeTest : public test_support::AppTest {};

TEST_F(SaveRecipeTest, WritesTheTypeTheExtensionOrTheChosenLineSays)
{
    const struct {
        std::wstring path;
        int filter;
        bool html;
    } kCases[] = {
        {L"рецепта.txt", 1, false}, {L"рецепта.HTML", 0, true}, {L"рецепта.htm", 0, true},
        {L"рецепта", 1, true},      {L"рецепта", 0, false},     {L"рецепта.doc", 0, false},
    };
    for (const auto& c : kCases) {
        std::filesystem::remove(c.path);
        dialogs.saveAnswers.push_back(ui::FileChoice{c.path, c.filter});
        ASSERT_TRUE(output::Save(dialogs, nullptr, output::DocumentOf(kRecipe)));
        const std::string written = ReadAll(c.path);
        EXPECT_EQ(written, c.html ? output::HtmlFileBytes(kRecipe) : output::TextFileBytes(output::PlainText(kRecipe))) << base::Narrow(c.path);
        EXPECT_EQ(Temporaries(), std::vector<std::wstring>{}) << "a temporary file was left";
    }
    ASSERT_FALSE(dialogs.saveRequests.empty());
    EXPECT_EQ(dialogs.saveRequests.front().fileName, output::FileNameFor(kRecipe.name, output::kUnnamedFile));
    EXPECT_EQ(dialogs.saveRequests.front().filters.size(), 2u);
}

TEST_F(SaveRecipeTest, CancelledOrUnwritableLeavesWhatWasThere)
{
    std::ofstream(L"стара.txt") << "old";
    EXPECT_FALSE(output::Save(dialogs, nullptr, output::DocumentOf(kRecipe)));
    EXPECT_EQ(ReadAll(L"стара.txt"), "old");

    // A file replaced is replaced whole.
    dialogs.saveAnswers.push_back(ui::FileChoice{L"стара.txt", 0});
    EXPECT_TRUE(output::Save(dialogs, nullptr, output::DocumentOf(kRecipe)));
    EXPECT_EQ(ReadAll(L"стара.txt"), output::TextFileBytes(output::PlainText(kRecipe)));

    dialogs.saveAnswers.push_back(ui::FileChoice{L"няма\\рецепта.txt", 0});
    try {
        output::Save(dialogs, nullptr, output::DocumentOf(kRecipe));
        ADD_FAILURE() << "a file in a missing folder was taken as written";
    } catch (const base::Error& e) {
        EXPECT_NE(std::string(e.what()).find(base::Narrow(L"папката не съществува")), std::string::npos) << e.what();
    }

    // A file another program holds open without letting it be replaced: the old one stays, and
    // nothing is left beside it.
    {
        const HANDLE held = CreateFileW(L"стара.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        dialogs.saveAnswers.push_back(ui::FileChoice{L"стара.txt", 1});
        EXPECT_THROW(output::Save(dialogs, nullptr, output::DocumentOf(kRecipe)), base::Error);
        CloseHandle(held);
    }
    EXPECT_EQ(ReadAll(L"стара.txt"), output::TextFileBytes(output::PlainText(kRecipe)));
    EXPECT_EQ(Temporaries(), std::vector<std::wstring>{});
}

TEST(RecipeDocumentTest, TheDocumentOfARecipeHoldsItsTitleTextPageAndPrintedLines)
{
    const output::Document document = output::DocumentOf(kRecipe);
    EXPECT_EQ(document.title, kRecipe.name);
    EXPECT_EQ(document.text, output::PlainText(kRecipe));
    EXPECT_EQ(document.page, output::HtmlFileBytes(kRecipe));
    EXPECT_EQ(document.lines, output::RecipePrintLines(kRecipe));
}

TEST(CopyRecipeTest, PutsTheWholeRecipeOnTheClipboard)
{
    RecordingClipboard clipboard;
    output::Copy(clipboard, nullptr, output::DocumentOf(kRecipe));
    ASSERT_EQ(clipboard.texts.size(), 1u);
    EXPECT_EQ(clipboard.texts.front(), output::PlainText(kRecipe));
}

TEST(CopyRecipeTest, TheSystemClipboardGivesTheTextBack)
{
    ui::SystemClipboard().SetText(nullptr, output::PlainText(kRecipe));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::wstring read = data ? std::wstring(static_cast<const wchar_t*>(GlobalLock(data))) : L"";
    if (data)
        GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(read, output::PlainText(kRecipe));
}

}
