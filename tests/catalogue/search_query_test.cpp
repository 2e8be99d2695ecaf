// Reading queries and matching them against recipes: every word by its beginning, anywhere in the
// recipe, the exclusions, the Latin readings, and what a result shows of why it was found.
#include "catalogue/search_query.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using catalogue::MatchRecipe;
using catalogue::ParseQuery;
using catalogue::RecipePart;
using base::Narrow;

struct Recipe {
    const wchar_t* name;
    const wchar_t* products;
    const wchar_t* burn;
};

const Recipe kPumpkinPie{L"Тиквеник", L"1 кг тиква\r\n200 г орехи\r\n1 ч.ч. захар\r\nкори за баница",
                         L"Тиквата се настъргва и се смесва с орехите и захарта. Пълнят се корите и се пече."};
const Recipe kZucchini{L"Пържени тиквички", L"1 кг тиквички\r\n2 яйца\r\nбрашно\r\nкисело мляко",
                       L"Тиквичките се нарязват на кръгчета, овалват се в брашно и яйца и се пържат."};
const Recipe kLemonSoup{L"Пилешка супа", L"1 пиле\r\n1 лимон\r\n200 г кисело мляко\r\nориз",
                        L"Пилето се сварява. Застройва се с кисело мляко, яйце и сок от лимон."};
const Recipe kEgglessCake{L"Постен кекс", L"2 ч.ч. брашно\r\n1 ч.ч. захар\r\n1 ч.ч. олио\r\nорехи",
                          L"Всичко се разбърква и се пече в намазана форма около 40 минути."};
const Recipe kEggCake{L"Кекс с какао", L"4 яйца\r\n2 ч.ч. брашно\r\n1 ч.ч. захар\r\nкакао",
                      L"Яйцата се разбиват със захарта, добавят се брашното и какаото."};
const Recipe kShopska{L"Шопска салата", L"домати\r\nкраставици\r\nчушки\r\nсирене", L"Зеленчуците се нарязват."};
const Recipe kBanitsa{L"Баница със сирене", L"кори\r\nсирене\r\nяйца", L"Кората се намазва, навива се и се пече."};
const Recipe kIodine{L"Соленка", L"йодирана сол", L"Смесва се."};

struct MatchCase {
    const wchar_t* query;
    Recipe recipe;
    std::optional<RecipePart> part;  // nullopt: not found
};

void ExpectMatches(std::initializer_list<MatchCase> cases)
{
    for (const auto& c : cases) {
        const auto part = MatchRecipe(ParseQuery(c.query), c.recipe.name, c.recipe.products, c.recipe.burn);
        EXPECT_EQ(part, c.part) << Narrow(c.query) << " in " << Narrow(c.recipe.name);
    }
}

TEST(RecipeMatch, EveryWordByItsBeginningAnywhereInTheRecipe)
{
    ExpectMatches({
        {L"тикв", kPumpkinPie, RecipePart::Name},         // тиквеник
        {L"тикв", kZucchini, RecipePart::Name},           // тиквички
        {L"ТИКВ", kPumpkinPie, RecipePart::Name},         // case does not matter
        {L"орехи", kPumpkinPie, RecipePart::Products},
        {L"настъргва", kPumpkinPie, RecipePart::Burn},
        {L"орехи тикв", kPumpkinPie, RecipePart::Name},   // any order; тикв begins тиквеник
        {L"супа лимон кисело", kLemonSoup, RecipePart::Name},
        {L"лимон кисело", kLemonSoup, RecipePart::Products},
        {L"лимон мед", kLemonSoup, std::nullopt},          // all words must be there
        {L"иквеник", kPumpkinPie, std::nullopt},           // beginnings of words only
        {L"тиквеникът", kPumpkinPie, std::nullopt},        // a longer word is not a beginning
        {L"иод", kIodine, std::nullopt},                   // и is not й
        {L"йод", kIodine, RecipePart::Products},
        {L"пилешка,супа", kLemonSoup, RecipePart::Name},   // punctuation separates words
        {L"", kLemonSoup, std::nullopt},
    });
}

TEST(RecipeMatch, AMinusOrWithoutExcludesRecipesThatHaveTheWord)
{
    ExpectMatches({
        {L"кекс без яйца", kEgglessCake, RecipePart::Name},
        {L"кекс без яйца", kEggCake, std::nullopt},
        {L"кекс -яйца", kEggCake, std::nullopt},
        {L"кекс -яйца", kEgglessCake, RecipePart::Name},
        {L"кекс -яйц", kEggCake, std::nullopt},            // by its beginning too: яйцата
        {L"Кекс БЕЗ Яйца", kEggCake, std::nullopt},
        {L"тиквички -яйца", kZucchini, std::nullopt},
        {L"кекс без", kEggCake, RecipePart::Name},         // "без" still being typed: no exclusion yet
        {L"кекс -", kEggCake, RecipePart::Name},
        {L"-яйца", kEgglessCake, std::nullopt},            // nothing required: nothing found
    });
}

TEST(RecipeMatch, LatinLettersAreAlsoReadAsBulgarian)
{
    ExpectMatches({
        {L"shopska", kShopska, RecipePart::Name},
        {L"Shopska salata", kShopska, RecipePart::Name},
        {L"banitsa", kBanitsa, RecipePart::Name},
        {L"banitsa sirene", kBanitsa, RecipePart::Name},
        {L"tikv orehi", kPumpkinPie, RecipePart::Name},
        {L"keks bez yaytsa", kEggCake, std::nullopt},
        {L"keks bez yaytsa", kEgglessCake, RecipePart::Name},
        {L"shopska", kBanitsa, std::nullopt},
    });
}

TEST(SearchQuery, WithoutAloneIsAWordToFind)
{
    const auto query = ParseQuery(L"без");
    ASSERT_EQ(query.required.size(), 1u);
    EXPECT_EQ(Narrow(query.required[0].forms[0]), Narrow(L"без"));
    EXPECT_TRUE(query.excluded.empty());
}

TEST(SearchQuery, TheMatchExpressionAsksForPrefixesAndLeavesOutTheExcluded)
{
    EXPECT_EQ(Narrow(catalogue::MatchExpression(ParseQuery(L"Тиква  ОРЕХИ"))), Narrow(L"((\"тиква\"*) AND (\"орехи\"*))"));
    EXPECT_EQ(Narrow(catalogue::MatchExpression(ParseQuery(L"кекс без яйца -мляко"))),
              Narrow(L"((\"кекс\"*)) NOT (\"яйца\"*) NOT (\"мляко\"*)"));
    EXPECT_TRUE(catalogue::MatchExpression(ParseQuery(L"tikva")).starts_with(L"((\"tikva\"* OR \"тиква\"* OR "));
    EXPECT_EQ(catalogue::MatchExpression(ParseQuery(L"-яйца")), L"");
    EXPECT_EQ(catalogue::MatchExpression(ParseQuery(L"  ,. ")), L"");
}

struct LineCase {
    const wchar_t* query;
    Recipe recipe;
    const wchar_t* line;
};

TEST(MatchedLine, TheIngredientLineOrWordsOfTheMethodAroundTheMatch)
{
    const LineCase cases[] = {
        {L"орехи", kPumpkinPie, L"200 г орехи"},
        {L"тиквеник орех", kPumpkinPie, L"200 г орехи"},   // a name match shows the ingredient too
        {L"кисело", kLemonSoup, L"200 г кисело мляко"},
        {L"настъргва", kPumpkinPie, L"Тиквата се настъргва и се смесва с орехите и захарта. Пълнят…"},
        {L"пълнят", kPumpkinPie, L"…с орехите и захарта. Пълнят се корите и се пече."},
        {L"намазана", kEgglessCake, L"…и се пече в намазана форма около 40 минути."},
        {L"постен", kEgglessCake, L""},                    // only in the name
    };
    for (const auto& c : cases)
        EXPECT_EQ(Narrow(catalogue::MatchedLine(ParseQuery(c.query), c.recipe.products, c.recipe.burn)), Narrow(c.line))
            << Narrow(c.query);
}

TEST(MatchedLine, ALongMethodIsCutToAFewWords)
{
    const std::wstring burn = L"Едно две три четири пет шест седем осем девет десет единадесет дванадесет тринадесет "
                              L"четиринадесет петнадесет шестнадесет седемнадесет осемнадесет.";
    EXPECT_EQ(Narrow(catalogue::MatchedLine(ParseQuery(L"десет"), L"", burn)),
              Narrow(L"…шест седем осем девет десет единадесет дванадесет тринадесет четиринадесет петнадесет "
                     L"шестнадесет седемнадесет осемнадесет."));
    EXPECT_EQ(Narrow(catalogue::MatchedLine(ParseQuery(L"три"), L"", burn)),
              Narrow(L"Едно две три четири пет шест седем осем девет десет единадесет…"));
}

}
