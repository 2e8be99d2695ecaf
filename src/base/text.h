// Text conversions at the Win32 boundary: UTF-8, UTF-16 and the Windows-1251 files the program ships.
#pragma once
#include <span>
#include <string>
#include <string_view>

namespace base {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
std::wstring DecodeCp1251(std::span<const char> bytes);

// Characters as the user sees them: a surrogate pair counts once.
std::size_t CountCodePoints(std::wstring_view text);
// Every surrogate stands in a pair, so the text converts to UTF-8 and back unchanged.
bool IsWellFormed(std::wstring_view text);

}
