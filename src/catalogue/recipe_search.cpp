// The recipe search over the current list.
#include "catalogue/recipe_search.h"

namespace catalogue {

bool FindNext(const std::vector<std::wstring>& names, ui::ListBox& list, std::int32_t& findPos, std::wstring_view text)
{
    const auto count = static_cast<std::int32_t>(names.size());
    while (findPos < count) {
        const std::wstring& entry = names[static_cast<std::size_t>(findPos)];
        ++findPos;
        if (!text.empty() && entry.find(text) != std::wstring::npos) {
            list.Select(findPos - 1);
            return true;
        }
    }
    return false;
}

}
