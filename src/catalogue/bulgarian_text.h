// Bulgarian text as the search reads it: letter case folded, words found, Latin read as Cyrillic.
// Plain functions of the text alone, so that the index, the queries and the own recipes agree.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// Lower case for Latin and Cyrillic letters, as the index's tokenizer folds them: "й" stays "й"
// (it is a letter of its own, not "и" with a mark), "ё" stays "ё"; anything else is kept.
wchar_t FoldLetter(wchar_t c);
std::wstring Fold(std::wstring_view text);

// A letter or digit: what words are made of. Everything else (blanks, punctuation, dashes)
// separates words.
bool IsWordChar(wchar_t c);

struct WordSpan {
    std::size_t begin = 0;
    std::size_t length = 0;
};
std::vector<WordSpan> WordsOf(std::wstring_view text);

// How many readings a Latin word gives at most.
inline constexpr std::size_t kMaxReadings = 12;

// The ways a word typed in Latin letters may be read as Bulgarian, most likely first: the
// streamlined system ("shopska" is "шопска", "banitsa" "баница"), then the readings that differ
// from it in one place ("kavarma" is also "кавърма", "shtrudel" also "штрудел"). `word` is folded;
// letters that are not Latin are kept. Empty when the word has no Latin letter.
std::vector<std::wstring> CyrillicReadings(std::wstring_view word);

}
