// Folding, words and the reading of Latin letters as Bulgarian.
#include "catalogue/bulgarian_text.h"

#include <algorithm>
#include <array>

namespace catalogue {
namespace {

// One Latin spelling and the Cyrillic it may stand for, the usual reading first.
struct Reading {
    std::wstring_view latin;
    std::array<std::wstring_view, 3> cyrillic;
    // The reading that comes first at the end of a word ("Sofia" is "София"), or after a consonant
    // ("kyopoolu" is "кьопоолу"); -1 when the place changes nothing.
    int atEnd = -1;
    int afterConsonant = -1;
};

// Longer spellings first: "sht" is read before "sh", "sh" before "s".
constexpr Reading kReadings[] = {
    {L"sht", {L"щ", L"шт"}},
    {L"zh", {L"ж", L"зх"}},
    {L"ch", {L"ч", L"цх"}},
    {L"sh", {L"ш", L"сх"}},
    {L"ts", {L"ц", L"тс"}},
    {L"tz", {L"ц", L"тз"}},
    {L"kh", {L"х", L"кх"}},
    {L"dj", {L"дж", L"дй"}},
    {L"yu", {L"ю", L"йу"}},
    {L"ya", {L"я", L"йа"}},
    {L"yo", {L"йо", L"ьо"}, -1, 1},
    {L"ju", {L"ю", L"жу"}},
    {L"ja", {L"я", L"жа"}},
    {L"iu", {L"ю", L"иу"}},
    {L"ia", {L"я", L"ия", L"иа"}, 1},
    {L"ph", {L"ф", L"пх"}},
    {L"th", {L"т", L"тх"}},
    {L"a", {L"а", L"ъ"}},
    {L"b", {L"б"}},
    {L"c", {L"ц", L"к", L"ч"}},
    {L"d", {L"д"}},
    {L"e", {L"е"}},
    {L"f", {L"ф"}},
    {L"g", {L"г"}},
    {L"h", {L"х"}},
    {L"i", {L"и", L"й"}},
    {L"j", {L"й", L"ж", L"дж"}},
    {L"k", {L"к"}},
    {L"l", {L"л"}},
    {L"m", {L"м"}},
    {L"n", {L"н"}},
    {L"o", {L"о"}},
    {L"p", {L"п"}},
    {L"q", {L"я", L"к"}},
    {L"r", {L"р"}},
    {L"s", {L"с"}},
    {L"t", {L"т"}},
    {L"u", {L"у", L"ъ", L"ю"}},
    {L"v", {L"в"}},
    {L"w", {L"в"}},
    {L"x", {L"кс", L"х"}},
    {L"y", {L"й", L"ъ", L"ь"}},
    {L"z", {L"з"}},
};

bool IsLatin(wchar_t c)
{
    return c >= L'a' && c <= L'z';
}

bool IsVowel(wchar_t c)
{
    return std::wstring_view(L"aeiouy").find(c) != std::wstring_view::npos;
}

// The word cut into spellings, each with its readings in order of likelihood.
std::vector<std::vector<std::wstring_view>> Segments(std::wstring_view word)
{
    std::vector<std::vector<std::wstring_view>> segments;
    std::size_t at = 0;
    while (at < word.size()) {
        const auto rest = word.substr(at);
        const auto reading = std::ranges::find_if(kReadings, [&](const Reading& r) { return rest.starts_with(r.latin); });
        if (reading == std::end(kReadings)) {
            // Not Latin (a digit, a Cyrillic letter): kept as it is.
            segments.push_back({rest.substr(0, 1)});
            ++at;
            continue;
        }
        std::vector<std::wstring_view> choices;
        for (const auto& cyrillic : reading->cyrillic) {
            if (!cyrillic.empty())
                choices.push_back(cyrillic);
        }
        const bool atEnd = at + reading->latin.size() == word.size();
        const bool afterConsonant = at > 0 && IsLatin(word[at - 1]) && !IsVowel(word[at - 1]);
        const int first = atEnd && reading->atEnd >= 0 ? reading->atEnd
                          : afterConsonant && reading->afterConsonant >= 0 ? reading->afterConsonant
                                                                           : 0;
        std::rotate(choices.begin(), choices.begin() + first, choices.begin() + first + 1);
        segments.push_back(std::move(choices));
        at += reading->latin.size();
    }
    return segments;
}

}

wchar_t FoldLetter(wchar_t c)
{
    if (c >= L'A' && c <= L'Z')
        return static_cast<wchar_t>(c + (L'a' - L'A'));
    if (c >= 0x0410 && c <= 0x042F)  // А..Я
        return static_cast<wchar_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F)  // Ѐ..Џ
        return static_cast<wchar_t>(c + 0x50);
    if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7)  // À..Þ
        return static_cast<wchar_t>(c + 0x20);
    return c;
}

std::wstring Fold(std::wstring_view text)
{
    std::wstring folded(text);
    for (wchar_t& c : folded)
        c = FoldLetter(c);
    return folded;
}

bool IsWordChar(wchar_t c)
{
    if (c < 0x80)
        return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
    if (c >= 0x00C0 && c <= 0x024F)
        return c != 0x00D7 && c != 0x00F7;
    // Greek and Cyrillic letters, the Cyrillic marks (U+0483..U+0489) aside.
    return (c >= 0x0370 && c <= 0x03FF) || (c >= 0x0400 && c <= 0x0482) || (c >= 0x048A && c <= 0x052F);
}

std::vector<WordSpan> WordsOf(std::wstring_view text)
{
    std::vector<WordSpan> words;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!IsWordChar(text[at])) {
            ++at;
            continue;
        }
        const std::size_t begin = at;
        while (at < text.size() && IsWordChar(text[at]))
            ++at;
        words.push_back({begin, at - begin});
    }
    return words;
}

std::vector<std::wstring> CyrillicReadings(std::wstring_view word)
{
    if (std::ranges::none_of(word, IsLatin))
        return {};
    const auto segments = Segments(word);
    const auto spell = [&](std::size_t changed, std::size_t choice) {
        std::wstring text;
        for (std::size_t i = 0; i < segments.size(); ++i)
            text += segments[i][i == changed ? choice : 0];
        return text;
    };
    std::vector<std::wstring> readings{spell(segments.size(), 0)};
    for (std::size_t i = 0; i < segments.size() && readings.size() < kMaxReadings; ++i) {
        for (std::size_t choice = 1; choice < segments[i].size() && readings.size() < kMaxReadings; ++choice) {
            std::wstring reading = spell(i, choice);
            if (std::ranges::find(readings, reading) == readings.end())
                readings.push_back(std::move(reading));
        }
    }
    return readings;
}

}
