// Reading the shipped plain-text files (Windows-1251) that the reference windows show.
#pragma once
#include <string>
#include <string_view>

namespace reference {

// The whole file, decoded; a file that cannot be read raises "Cannot open file "<full path>". <the
// system's reason>" for the top-level error handler.
std::wstring ReadTextFile(std::wstring_view path);

}
