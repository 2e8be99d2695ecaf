// The top-level error handler: the full-stop rule and the one error box it shows.
#include "support/app_fixture.h"
#include "base/error.h"
#include "ui/error.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <exception>
#include <ostream>
#include <string>

namespace {

using base::Narrow;

struct FullStopCase {
    const char* label;
    const wchar_t* text;
    const wchar_t* shown;
};

void PrintTo(const FullStopCase& c, std::ostream* out)
{
    *out << '"' << Narrow(c.text) << "\" -> \"" << Narrow(c.shown) << '"';
}

class FullStopRuleTest : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(FullStopRuleTest, AddsAFullStopOnlyAfterACharacterSortingAfterIt)
{
    EXPECT_EQ(Narrow(ui::WithFullStop(GetParam().text)), Narrow(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Texts, FullStopRuleTest,
                         ::testing::Values(FullStopCase{"LatinLetter", L"abc", L"abc."},
                                           FullStopCase{"CyrillicLetter", L"Грешка", L"Грешка."},
                                           FullStopCase{"Digit", L"1", L"1."},
                                           FullStopCase{"FullStop", L"abc.", L"abc."},
                                           FullStopCase{"ExclamationMark", L"abc!", L"abc!"},
                                           FullStopCase{"ClosingParenthesis", L"(x)", L"(x)"},
                                           FullStopCase{"Empty", L"", L""}),
                         [](const ::testing::TestParamInfo<FullStopCase>& info) { return std::string(info.param.label); });

using ErrorHandlerTest = test_support::AppTest;

TEST_F(ErrorHandlerTest, ShowsAnErrorInOneBoxWithTheTitleAndTheErrorIcon)
{
    app.SetTitle(L"Заглавие на програмата");
    app.HandleException(std::make_exception_ptr(base::Error(L"Файлът липсва")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(Narrow(dialogs.messages[0].text), "Файлът липсва.");
    EXPECT_EQ(Narrow(dialogs.messages[0].caption), "Заглавие на програмата");
    EXPECT_EQ(dialogs.messages[0].style & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
}

TEST_F(ErrorHandlerTest, KeepsTheTextOfAnErrorThatEndsInPunctuation)
{
    app.HandleException(std::make_exception_ptr(base::Error(L"Няма такава рецепта!")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(Narrow(dialogs.messages[0].text), "Няма такава рецепта!");
}

TEST_F(ErrorHandlerTest, ShowsNothingForAnAbort)
{
    app.HandleException(std::make_exception_ptr(ui::Abort{}));
    EXPECT_TRUE(dialogs.messages.empty());
}

}
