// The settings file's reads and writes, and the number rules its values follow.
#include "app/settings_file.h"

#include "app/settings_keys.h"
#include "ui/error.h"

#include <windows.h>

#include <filesystem>
#include <memory>
#include <utility>

namespace app {
namespace {

// Values longer than this are cut, as the program always read them.
constexpr DWORD kTextCapacity = 2048;

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

std::optional<std::int32_t> ParseDigits(std::wstring_view digits, unsigned base, std::uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const wchar_t c : digits) {
        unsigned digit = base;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (base == 16 && c >= L'a' && c <= L'f')
            digit = c - L'a' + 10;
        else if (base == 16 && c >= L'A' && c <= L'F')
            digit = c - L'A' + 10;
        if (digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::wstring_view text)
{
    const bool negative = text.starts_with(L'-');
    if (negative || text.starts_with(L'+'))
        text.remove_prefix(1);
    const auto magnitude = ParseDigits(text, 10, negative ? 0x80000000u : 0x7FFFFFFFu);
    if (!magnitude)
        return std::nullopt;
    // Negating in unsigned arithmetic lets -2147483648 through without overflow.
    return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(*magnitude)) : *magnitude;
}

// Created by the profile functions, a new file would be ANSI text and "Велмора XP" would be mangled
// wherever the code page is not 1251; a file that starts with the UTF-16LE mark is kept as Unicode.
void CreateUnicodeFileIfMissing(const std::wstring& path)
{
    const HANDLE raw = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    // It exists already, or it cannot be made and the write that follows reports that.
    if (raw == INVALID_HANDLE_VALUE)
        return;
    const FileHandle file(raw);
    static constexpr unsigned char kByteOrderMark[] = {0xFF, 0xFE};
    DWORD written = 0;
    WriteFile(file.get(), kByteOrderMark, sizeof kByteOrderMark, &written, nullptr);
}

std::wstring UnableToWrite(const std::wstring& path)
{
    std::wstring message(kUnableToWriteMessage);
    return message.replace(message.find(L"%s"), 2, path);
}

}

std::optional<std::int32_t> ParseInteger(std::wstring_view text)
{
    if (text.starts_with(L'$'))
        return ParseDigits(text.substr(1), 16, 0xFFFFFFFFu);
    if (text.size() > 2 && (text.starts_with(L"0x") || text.starts_with(L"0X")))
        return ParseDigits(text.substr(2), 16, 0xFFFFFFFFu);
    return ParseDecimal(text);
}

SettingsFile::SettingsFile(std::wstring path) : path_(std::move(path)) {}

SettingsFile SettingsFile::ForExecutable()
{
    std::wstring module(MAX_PATH, L'\0');
    DWORD length = 0;
    // A path that fills the buffer may have been cut: grow until it fits.
    while ((length = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()))) == module.size())
        module.resize(module.size() * 2);
    module.resize(length);
    return SettingsFile(std::filesystem::path(module).replace_extension(L".ini").wstring());
}

std::wstring SettingsFile::ReadText(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const
{
    std::wstring value(kTextCapacity, L'\0');
    const DWORD length = GetPrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                                  std::wstring(fallback).c_str(), value.data(), kTextCapacity,
                                                  path_.c_str());
    value.resize(length);
    return value;
}

std::int32_t SettingsFile::ReadInteger(std::wstring_view section, std::wstring_view key, std::int32_t fallback) const
{
    return ParseInteger(ReadText(section, key, {})).value_or(fallback);
}

void SettingsFile::WriteText(std::wstring_view section, std::wstring_view key, std::wstring_view value)
{
    CreateUnicodeFileIfMissing(path_);
    if (!WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                    std::wstring(value).c_str(), path_.c_str()))
        throw ui::Error(UnableToWrite(path_));
}

void SettingsFile::WriteInteger(std::wstring_view section, std::wstring_view key, std::int32_t value)
{
    WriteText(section, key, std::to_wstring(value));
}

void SettingsFile::Flush() noexcept
{
    // A refused write has already been reported; the flush only lets go of the file.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, path_.c_str());
}

}
