// Setting entries in INI text: every line the program does not set stays byte for byte, in the
// file's own encoding.
#include "app/ini_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using app::IniEntry;
using app::SetIniEntries;

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
        {"an empty file becomes UTF-16LE", "", kColorAndName,
         Utf16LE(L"[Settings]\r\nColor=255\r\n[Programs]\r\nName=Велмора XP\r\n")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SetIniEntries(c.before, c.entries), c.after) << c.label;
}

}
