// The recipe search over the current list.
#include "catalogue/recipe_search.h"

namespace catalogue {

bool FindNext(ui::ListBox& list, std::int32_t& findPos, std::wstring_view text)
{
    while (findPos < list.Count()) {
        const std::wstring entry = list.Item(findPos);
        ++findPos;
        if (!text.empty() && entry.find(text) != std::wstring::npos) {
            list.Select(findPos - 1);
            return true;
        }
    }
    return false;
}

}
