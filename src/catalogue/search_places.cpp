// Places of found recipes.
#include "catalogue/search_places.h"

#include "catalogue/search_texts.h"

#include <algorithm>

namespace catalogue {

std::wstring PlaceOf(const Category& category)
{
    if (!category.counted)
        return std::wstring(kSpicesPlace);
    std::wstring_view place = category.status;
    while (!place.empty() && (place.back() == L' ' || place.back() == L':'))
        place.remove_suffix(1);
    return std::wstring(place);
}

std::optional<int> PlaceInList(const std::vector<std::wstring>& names, int ordinal, std::wstring_view name)
{
    if (ordinal >= 0 && ordinal < static_cast<int>(names.size()) && names[static_cast<std::size_t>(ordinal)] == name)
        return ordinal;
    const auto found = std::ranges::find(names, name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<int>(found - names.begin());
}

}
