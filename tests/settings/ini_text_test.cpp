// Setting entries in INI text: every line the program does not set stays byte for byte, in the
// file's own encoding.
#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using settings::IniEntry;
using settings::SetIniEntries;

std::string Utf16LE(std::wstring_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

std::string Utf16BE(std::wstring_view text)
{
    std::string bytes = "\xFE\xFF";
    for (const wchar_t c : text) {
        bytes += static_cast<char>(c >> 8);
        bytes += static_cast<char>(c & 0xFF);
    }
    return bytes;
}

const std::vector<IniEntry> kColorAndName{{L"Settings", L"Color", L"255"}, {L"Programs", L"Name", L"Велмора XP"}};

TEST(IniText, SetsEntriesInPlaceAtTheEndOfTheirSectionOrInANewOne)
{
    const struct {
        const char* label;
        std::string before;
        std::vector<IniEntry> entries;
        std::string after;
    } cases[] = {
        {"a key in place, in the letter case the file has, other lines kept",
         "; mine\r\n[settings]\r\ncolor = 1\r\nExtra=x\r\n", {{L"Settings", L"Color", L"255"}},
         "; mine\r\n[settings]\r\ncolor=255\r\nExtra=x\r\n"},
        {"a new key after the section's last entry, ahead of its blank lines",
         "[Settings]\r\nA=1\r\n\r\n[Mine]\r\nB=2\r\n", {{L"Settings", L"Color", L"255"}},
         "[Settings]\r\nA=1\r\nColor=255\r\n\r\n[Mine]\r\nB=2\r\n"},
        {"a new section at the end, the last line terminated first",
         "[Mine]\r\nB=2", {{L"Settings", L"Color", L"255"}}, "[Mine]\r\nB=2\r\n[Settings]\r\nColor=255\r\n"},
        {"only the first section of the name and the first key of it",
         "[Settings]\r\nColor=1\r\nColor=2\r\n[Settings]\r\nColor=3\r\n", {{L"Settings", L"Color", L"255"}},
         "[Settings]\r\nColor=255\r\nColor=2\r\n[Settings]\r\nColor=3\r\n"},
        {"a commented-out key is not the key", "[Settings]\r\n;Color=1\r\n", {{L"Settings", L"Color", L"255"}},
         "[Settings]\r\n;Color=1\r\nColor=255\r\n"},
        {"bare LF line ends stay; the changed line gets CR LF", "[Settings]\nColor=1\nB=2\n",
         {{L"Settings", L"Color", L"255"}}, "[Settings]\nColor=255\r\nB=2\n"},
        {"ANSI text in code page 1251 stays, new text is written in it",
         "[\xCC\xEE\xE8]\r\n\xCA\xEB\xFE\xF7=\xF1\xF2\xEE\xE9\xED\xEE\xF1\xF2\r\n", kColorAndName,
         "[\xCC\xEE\xE8]\r\n\xCA\xEB\xFE\xF7=\xF1\xF2\xEE\xE9\xED\xEE\xF1\xF2\r\n[Settings]\r\nColor=255\r\n"
         "[Programs]\r\nName=\xC2\xE5\xEB\xEC\xEE\xF0\xE0 XP\r\n"},
        {"UTF-8 with its mark", "\xEF\xBB\xBF[Settings]\r\nColor=1\r\n", kColorAndName,
         "\xEF\xBB\xBF[Settings]\r\nColor=255\r\n[Programs]\r\nName=\xD0\x92\xD0\xB5\xD0\xBB\xD0\xBC\xD0\xBE\xD1\x80\xD0\xB0 XP\r\n"},
        {"UTF-16LE", Utf16LE(L"[Мои]\r\nКлюч=стойност\r\n[Settings]\r\nColor=1\r\n"), kColorAndName,
         Utf16LE(L"[Мои]\r\nКлюч=стойност\r\n[Settings]\r\nColor=255\r\n[Programs]\r\nName=Велмора XP\r\n")},
        {"UTF-16BE", Utf16BE(L"[Settings]\r\nColor=1\r\n"), kColorAndName,
         Utf16BE(L"[Settings]\r\nColor=255\r\n[Programs]\r\nName=Велмора XP\r\n")},
        {"UTF-8 without a mark stays so, new text is written in it",
         "[\xD0\x9C\xD0\xBE\xD0\xB8]\r\nK=\xD0\xB4\xD0\xB0\r\n", kColorAndName,
         "[\xD0\x9C\xD0\xBE\xD0\xB8]\r\nK=\xD0\xB4\xD0\xB0\r\n[Settings]\r\nColor=255\r\n"
         "[Programs]\r\nName=\xD0\x92\xD0\xB5\xD0\xBB\xD0\xBC\xD0\xBE\xD1\x80\xD0\xB0 XP\r\n"},
        {"ASCII alone is taken for ANSI", "[Settings]\r\nColor=1\r\n", kColorAndName,
         "[Settings]\r\nColor=255\r\n[Programs]\r\nName=\xC2\xE5\xEB\xEC\xEE\xF0\xE0 XP\r\n"},
        {"an empty file becomes UTF-16LE", "", kColorAndName,
         Utf16LE(L"[Settings]\r\nColor=255\r\n[Programs]\r\nName=Велмора XP\r\n")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SetIniEntries(c.before, c.entries), c.after) << c.label;
}

TEST(IniText, ReadsAnEntryAsTheProfileFunctionsGiveItInTheEncodingAWriteWouldKeep)
{
    const struct {
        const char* label;
        std::string contents;
        std::wstring_view section;
        std::wstring_view key;
        std::optional<std::wstring> value;
    } cases[] = {
        {"names in any letter case, blanks around the value away", "[settings]\r\n color = 255 \r\n", L"Settings", L"COLOR",
         L"255"},
        {"one pair of enclosing quotes away", "[S]\r\nA=\"a b\"\r\n", L"S", L"A", L"a b"},
        {"single quotes too", "[S]\r\nB='x'\r\n", L"S", L"B", L"x"},
        {"unmatched quotes stay", "[S]\r\nC=\"x'\r\n", L"S", L"C", L"\"x'"},
        {"the first section of the name and the first key of it", "[S]\r\nA=1\r\nA=2\r\n[S]\r\nA=3\r\n", L"S", L"A",
         L"1"},
        {"a key of another section is not found", "[S]\r\n[T]\r\nA=1\r\n", L"S", L"A", std::nullopt},
        {"a missing section", "[T]\r\nA=1\r\n", L"S", L"A", std::nullopt},
        {"an empty value", "[S]\r\nA=\r\n", L"S", L"A", L""},
        {"ANSI in code page 1251", "[S]\r\nA=\xE7\xED\xE0\xF7\r\n", L"S", L"A", L"знач"},
        {"UTF-8 without a mark", "[S]\r\nA=\xD0\xB7\xD0\xBD\xD0\xB0\xD1\x87\r\n", L"S", L"A", L"знач"},
        {"UTF-8 with its mark", "\xEF\xBB\xBF[S]\r\nA=\xD0\xB7\r\n", L"S", L"A", L"з"},
        {"UTF-16LE", Utf16LE(L"[Мои]\r\nКлюч=стойност\r\n"), L"мои", L"КЛЮЧ", L"стойност"},
        {"UTF-16BE", Utf16BE(L"[S]\r\nA=б\r\n"), L"S", L"A", L"б"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settings::GetIniEntry(c.contents, c.section, c.key), c.value) << c.label;
}

}
