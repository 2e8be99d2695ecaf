// Reading entries from the text of an INI file, and setting entries in it while every other line
// stays as it was, byte for byte, in the file's own encoding. Reads and writes take the file in
// the same encoding: the one its byte-order mark names (UTF-8, UTF-16LE or UTF-16BE); without a
// mark, UTF-8 when the text beyond ASCII is all UTF-8, else the system's ANSI code page.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

struct IniEntry {
    std::wstring_view section;
    std::wstring_view key;
    std::wstring value;
};

// The value of `key` in the first section named `section`, names matched regardless of case, as
// the profile functions give it: blanks around it and one pair of enclosing quotes taken away.
// nullopt when the section or the key is missing.
std::optional<std::wstring> GetIniEntry(std::string_view contents, std::wstring_view section, std::wstring_view key);

// The file's new contents with each entry set: in place where its section (the first of that name)
// has the key, else at the end of that section, else in a new section at the end of the file.
// Section and key names match regardless of case. An empty file becomes UTF-16LE text with its
// mark, so any name or value can be written.
std::string SetIniEntries(std::string_view contents, const std::vector<IniEntry>& entries);

}
