// Setting entries in the text of an INI file while every other line stays as it was, byte for
// byte, in the file's own encoding.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace app {

struct IniEntry {
    std::wstring_view section;
    std::wstring_view key;
    std::wstring value;
};

// The file's new contents with each entry set: in place where its section (the first of that name)
// has the key, else at the end of that section, else in a new section at the end of the file.
// Section and key names match regardless of case. The encoding follows the byte-order mark
// (UTF-8, UTF-16LE or UTF-16BE) or is the system's ANSI code page without one; an empty file
// becomes UTF-16LE text with its mark, so any name or value can be written.
std::string SetIniEntries(std::string_view contents, const std::vector<IniEntry>& entries);

}
