// Text conversions at the Win32 boundary.
#include "base/text.h"

#include <windows.h>

namespace base {
namespace {

std::wstring Decode(UINT codePage, std::span<const char> bytes)
{
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

}

std::wstring Widen(std::string_view utf8)
{
    return Decode(CP_UTF8, {utf8.data(), utf8.size()});
}

std::string Narrow(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring DecodeCp1251(std::span<const char> bytes)
{
    return Decode(1251, bytes);
}

namespace {

bool High(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool Low(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}

std::size_t CountCodePoints(std::wstring_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++count) {
        if (High(text[i]) && i + 1 < text.size() && Low(text[i + 1]))
            ++i;
    }
    return count;
}

bool IsWellFormed(std::wstring_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (High(text[i]) && i + 1 < text.size() && Low(text[i + 1]))
            ++i;
        else if (High(text[i]) || Low(text[i]))
            return false;
    }
    return true;
}

}
