// Table and field names compare as Jet compared them: regardless of case, Cyrillic included.
#pragma once

#include <string_view>

namespace data {

bool SameName(std::wstring_view a, std::wstring_view b);

}  // namespace data
