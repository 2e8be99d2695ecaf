// Text conversions at the Win32 boundary: UTF-8, UTF-16 and the Windows-1251 files the program ships.
#pragma once
#include <span>
#include <string>
#include <string_view>

namespace ui {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
std::wstring DecodeCp1251(std::span<const char> bytes);

}
