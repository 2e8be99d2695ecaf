// Case-blind name comparison; ordinal, so the result does not depend on the user's locale.
#include "base/names.h"

#include <windows.h>

namespace base {

bool SameName(std::wstring_view a, std::wstring_view b)
{
    // CompareStringOrdinal refuses an empty string rather than comparing it.
    if (a.empty() || b.empty())
        return a.empty() && b.empty();
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

}  // namespace base
