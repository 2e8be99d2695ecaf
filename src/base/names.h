// Names and the blanks around them, as the program's files and tables compare them.
#pragma once

#include <string_view>

namespace base {

// Table, field, section and key names compare as Jet and the profile functions compared them:
// regardless of case, Cyrillic included, and the same whatever the user's locale.
bool SameName(std::wstring_view a, std::wstring_view b);

// The text without the blanks at its ends; `blanks` are the characters that count as blank.
template <class Char>
constexpr std::basic_string_view<Char> Trim(std::basic_string_view<Char> text, std::basic_string_view<Char> blanks)
{
    const auto first = text.find_first_not_of(blanks);
    if (first == std::basic_string_view<Char>::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Spaces, tabs and line ends count as blank.
constexpr std::wstring_view Trim(std::wstring_view text)
{
    return Trim(text, std::wstring_view(L" \t\r\n"));
}

}  // namespace base
