// Key=value parsing of connection strings.
#include "data/connection_string.h"

#include "base/names.h"

namespace data {

namespace {

// The end of the pair that starts at `from`: the next ';' outside quotes.
std::size_t PairEnd(std::wstring_view text, std::size_t from)
{
    wchar_t quote = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == L'"' || c == L'\'') {
            quote = c;
        } else if (c == L';') {
            return i;
        }
    }
    return text.size();
}

std::wstring_view Unquoted(std::wstring_view value)
{
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::optional<std::wstring> ConnectionStringValue(std::wstring_view text, std::wstring_view key)
{
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = PairEnd(text, start);
        const std::wstring_view pair = text.substr(start, end - start);
        const std::size_t equals = pair.find(L'=');
        if (equals != std::wstring_view::npos && base::SameName(base::Trim(pair.substr(0, equals)), key))
            return std::wstring(Unquoted(base::Trim(pair.substr(equals + 1))));
        start = end + 1;
    }
    return std::nullopt;
}

}  // namespace data
