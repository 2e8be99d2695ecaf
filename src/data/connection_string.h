// Reading the OLE DB connection strings the program's windows were configured with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace data {

// The value of `key` in "Key=Value;Key=Value" text: keys match regardless of case, spaces around keys
// and values are dropped, and a value in quotes may hold ';'. nullopt when the key is absent.
std::optional<std::wstring> ConnectionStringValue(std::wstring_view text, std::wstring_view key);

}  // namespace data
