// Reading a query and matching it against a recipe's texts.
#include "catalogue/search_query.h"

#include "catalogue/bulgarian_text.h"

#include <algorithm>

namespace catalogue {
namespace {

constexpr std::wstring_view kWithout[] = {L"без", L"bez"};
// Words of the method shown before and after the one that matched.
constexpr std::size_t kWordsBefore = 4;
constexpr std::size_t kWordsAfter = 8;
constexpr std::wstring_view kEllipsis = L"…";

bool IsMinus(wchar_t c)
{
    return c == L'-' || c == L'\x2212' || c == L'\x2013';
}

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\x00A0';
}

SearchTerm TermOf(std::wstring folded)
{
    SearchTerm term{{folded}};
    for (auto& reading : CyrillicReadings(folded))
        term.forms.push_back(std::move(reading));
    return term;
}

// A folded text cut into words once, so every term is looked up in the same words.
class Words {
public:
    explicit Words(std::wstring_view text) : folded_(Fold(text)), spans_(WordsOf(folded_)) {}

    // The index of the first word that begins with one of the term's forms.
    std::optional<std::size_t> Find(const SearchTerm& term) const
    {
        for (std::size_t i = 0; i < spans_.size(); ++i) {
            const std::wstring_view word = std::wstring_view(folded_).substr(spans_[i].begin, spans_[i].length);
            if (std::ranges::any_of(term.forms, [&](const std::wstring& form) { return word.starts_with(form); }))
                return i;
        }
        return std::nullopt;
    }
    bool Has(const SearchTerm& term) const { return Find(term).has_value(); }
    // The first word holding any of the terms.
    std::optional<std::size_t> FindAny(const std::vector<SearchTerm>& terms) const
    {
        std::optional<std::size_t> first;
        for (const auto& term : terms) {
            if (const auto at = Find(term); at && (!first || *at < *first))
                first = at;
        }
        return first;
    }
    const std::vector<WordSpan>& Spans() const { return spans_; }

private:
    std::wstring folded_;
    std::vector<WordSpan> spans_;
};

std::wstring Trimmed(std::wstring_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return std::wstring(text);
}

// Line breaks and runs of blanks shown as one blank.
std::wstring OneLine(std::wstring_view text)
{
    std::wstring line;
    for (const wchar_t c : text) {
        if (IsBlank(c)) {
            if (!line.empty() && line.back() != L' ')
                line += L' ';
        } else {
            line += c;
        }
    }
    return Trimmed(line);
}

std::optional<std::wstring> ProductLine(const std::vector<SearchTerm>& terms, std::wstring_view products)
{
    std::size_t at = 0;
    while (at <= products.size()) {
        std::size_t end = products.find(L'\n', at);
        if (end == std::wstring_view::npos)
            end = products.size();
        const std::wstring_view line = products.substr(at, end - at);
        if (Words(line).FindAny(terms))
            return Trimmed(line);
        at = end + 1;
    }
    return std::nullopt;
}

std::optional<std::wstring> MethodWords(const std::vector<SearchTerm>& terms, std::wstring_view burn)
{
    const Words words(burn);
    const auto at = words.FindAny(terms);
    if (!at)
        return std::nullopt;
    const auto& spans = words.Spans();
    const std::size_t first = *at > kWordsBefore ? *at - kWordsBefore : 0;
    const std::size_t last = std::min(spans.size() - 1, *at + kWordsAfter);
    // From the first word shown to the end of the last one with what follows it up to a blank
    // (a full stop, a comma).
    std::size_t end = spans[last].begin + spans[last].length;
    while (end < burn.size() && !IsBlank(burn[end]) && !IsWordChar(burn[end]))
        ++end;
    std::wstring shown = OneLine(burn.substr(spans[first].begin, end - spans[first].begin));
    if (first > 0)
        shown = std::wstring(kEllipsis) + shown;
    if (last + 1 < spans.size())
        shown += kEllipsis;
    return shown;
}

}

SearchQuery ParseQuery(std::wstring_view text)
{
    SearchQuery query;
    bool excludeNext = false;
    bool trailingWithout = false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsBlank(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !IsBlank(text[end]))
            ++end;
        const std::wstring_view chunk = text.substr(at, end - at);
        at = end;
        const bool minus = IsMinus(chunk.front());
        const auto words = WordsOf(chunk);
        for (const auto& span : words) {
            std::wstring folded = Fold(chunk.substr(span.begin, span.length));
            if (!minus && words.size() == 1 && std::ranges::find(kWithout, folded) != std::end(kWithout) && !excludeNext) {
                excludeNext = true;
                trailingWithout = true;
                continue;
            }
            (minus || excludeNext ? query.excluded : query.required).push_back(TermOf(std::move(folded)));
            excludeNext = false;
            trailingWithout = false;
        }
    }
    // "без" with nothing after it yet is the start of an exclusion still being typed; alone it is
    // the word the user looks for.
    if (trailingWithout && query.required.empty() && query.excluded.empty())
        query.required.push_back(TermOf(std::wstring(kWithout[0])));
    return query;
}

std::wstring MatchExpression(const SearchQuery& query)
{
    if (query.required.empty())
        return {};
    const auto group = [](const SearchTerm& term) {
        std::wstring text = L"(";
        for (std::size_t i = 0; i < term.forms.size(); ++i)
            text += (i ? L" OR \"" : L"\"") + term.forms[i] + L"\"*";
        return text + L")";
    };
    std::wstring expression = L"(";
    for (std::size_t i = 0; i < query.required.size(); ++i)
        expression += (i ? L" AND " : L"") + group(query.required[i]);
    expression += L")";
    for (const auto& term : query.excluded)
        expression += L" NOT " + group(term);
    return expression;
}

std::optional<RecipePart> MatchRecipe(const SearchQuery& query, std::wstring_view name, std::wstring_view products,
                                      std::wstring_view burn)
{
    if (query.required.empty())
        return std::nullopt;
    const Words parts[] = {Words(name), Words(products), Words(burn)};
    const auto anywhere = [&](const SearchTerm& term) {
        return std::ranges::any_of(parts, [&](const Words& part) { return part.Has(term); });
    };
    if (!std::ranges::all_of(query.required, anywhere) || std::ranges::any_of(query.excluded, anywhere))
        return std::nullopt;
    for (int part = 0; part < 3; ++part) {
        if (parts[part].FindAny(query.required))
            return static_cast<RecipePart>(part);
    }
    return std::nullopt;
}

std::wstring MatchedLine(const SearchQuery& query, std::wstring_view products, std::wstring_view burn)
{
    if (auto line = ProductLine(query.required, products))
        return *line;
    return MethodWords(query.required, burn).value_or(std::wstring());
}

}
