// Looking up a category by its command.
#include "catalogue/categories.h"

#include <stdexcept>

namespace catalogue {

const Category& CategoryOf(std::wstring_view command)
{
    for (const auto& category : kCategories) {
        if (category.command == command)
            return category;
    }
    throw std::out_of_range("no such category command");
}

}
