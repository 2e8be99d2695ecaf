// Folding, words and the Latin readings of Bulgarian, case by case.
#include "catalogue/bulgarian_text.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using catalogue::CyrillicReadings;
using catalogue::Fold;
using base::Narrow;

struct FoldCase {
    const wchar_t* text;
    const wchar_t* folded;
};

TEST(BulgarianFold, LowersLatinAndCyrillicAndKeepsTheRest)
{
    const FoldCase cases[] = {
        {L"ТИКВА", L"тиква"},
        {L"Шопска Салата", L"шопска салата"},
        {L"ЙОГУРТ и Йод", L"йогурт и йод"},  // Й lowers to й, never to и
        {L"ЪЬЮЯЩЖ", L"ъьюящж"},
        {L"ЀЁЍЎ", L"ѐёѝў"},
        {L"Mojito", L"mojito"},
        {L"Crème BRÛLÉE", L"crème brûlée"},
        {L"250 Г, 1/2 Ч.Ч.", L"250 г, 1/2 ч.ч."},
        {L"×÷", L"×÷"},
        {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Narrow(Fold(c.text)), Narrow(c.folded)) << Narrow(c.text);
}

TEST(BulgarianFold, KeepsЙAndИApart)
{
    EXPECT_NE(Fold(L"Й"), Fold(L"И"));
    EXPECT_NE(Fold(L"й"), Fold(L"и"));
}

struct WordsCase {
    const wchar_t* text;
    std::vector<std::wstring> words;
};

TEST(BulgarianWords, SplitAtAnythingButLettersAndDigits)
{
    const WordsCase cases[] = {
        {L"Боб чорба", {L"Боб", L"чорба"}},
        {L"  сол,черен пипер.", {L"сол", L"черен", L"пипер"}},
        {L"2-3 с.л. масло", {L"2", L"3", L"с", L"л", L"масло"}},
        {L"тиква\r\nорехи\t- мед", {L"тиква", L"орехи", L"мед"}},
        {L"„Шопска“ (салата)", {L"Шопска", L"салата"}},
        {L"crème brûlée", {L"crème", L"brûlée"}},
        {L"", {}},
        {L" ,.- ", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> words;
        const std::wstring text = c.text;
        for (const auto& span : catalogue::WordsOf(text))
            words.push_back(text.substr(span.begin, span.length));
        EXPECT_EQ(words, c.words) << Narrow(c.text);
    }
}

struct ReadingCase {
    const wchar_t* latin;
    const wchar_t* first;  // the streamlined reading
};

TEST(LatinReadings, TheFirstIsTheStreamlinedSystem)
{
    const ReadingCase cases[] = {
        {L"shopska", L"шопска"},   {L"banitsa", L"баница"},     {L"shtrudel", L"щрудел"},
        {L"zhelyazko", L"желязко"}, {L"chorba", L"чорба"},       {L"gyuvech", L"гювеч"},
        {L"yaytsa", L"яйца"},       {L"kyufte", L"кюфте"},       {L"mlyako", L"мляко"},
        {L"lyutenitsa", L"лютеница"}, {L"tikva", L"тиква"},      {L"palachinki", L"палачинки"},
        {L"kyopoolu", L"кьопоолу"}, {L"yogurt", L"йогурт"},      {L"chay", L"чай"},
        {L"sofia", L"софия"},       {L"kozunak", L"козунак"},    {L"agneshko", L"агнешко"},
        {L"djodjen", L"джоджен"},   {L"hlyab", L"хляб"},         {L"tikv", L"тикв"},
        {L"2", nullptr},            {L"тиква", nullptr},         {L"", nullptr},
    };
    for (const auto& c : cases) {
        const auto readings = CyrillicReadings(c.latin);
        if (!c.first) {
            EXPECT_TRUE(readings.empty()) << Narrow(c.latin);
            continue;
        }
        ASSERT_FALSE(readings.empty()) << Narrow(c.latin);
        EXPECT_EQ(Narrow(readings.front()), Narrow(c.first)) << Narrow(c.latin);
    }
}

TEST(LatinReadings, ReadingsThatDifferInOnePlaceFollow)
{
    const ReadingCase cases[] = {
        {L"kavarma", L"кавърма"},  // ъ written as a
        {L"shtrudel", L"штрудел"}, // шт, not щ
        {L"detska", L"детска"},    // тс, not ц
        {L"bulgaria", L"българия"}, // ъ written as u
        {L"pyrzheni", L"пържени"},  // ъ written as y
        {L"jelqzko", L"желязко"},   // j for ж
    };
    for (const auto& c : cases) {
        const auto readings = CyrillicReadings(c.latin);
        EXPECT_NE(std::ranges::find(readings, std::wstring(c.first)), readings.end()) << Narrow(c.latin);
    }
}

TEST(LatinReadings, AreFewAndDistinct)
{
    for (const wchar_t* word : {L"kavarma", L"aaaaaaaaaaaaaaaaaaaa", L"yuyuyuyuyuyu", L"ccccccccc"}) {
        auto readings = CyrillicReadings(word);
        EXPECT_LE(readings.size(), catalogue::kMaxReadings);
        std::ranges::sort(readings);
        EXPECT_EQ(std::ranges::adjacent_find(readings), readings.end()) << Narrow(word);
    }
}

TEST(LatinReadings, KeepLettersThatAreNotLatin)
{
    EXPECT_EQ(Narrow(CyrillicReadings(L"shка2").front()), Narrow(L"шка2"));
}

}
