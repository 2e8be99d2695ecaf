// The settings file's reads and writes, and the number rules its values follow.
#include "settings/settings_file.h"

#include "settings/texts.h"
#include "base/atomic_file.h"
#include "base/error.h"

#include <windows.h>

#include <filesystem>
#include <memory>
#include <utility>

namespace settings {
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

// The file's bytes: empty when there is no file, nullopt when it cannot be read. Not shared for
// writing, so a file another program holds for writing is not read half-written; shared for
// deleting, so that another copy of the program can put its new file in place meanwhile.
std::optional<std::string> FileBytes(const std::wstring& path)
{
    const HANDLE raw = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional<std::string>(std::string()) : std::nullopt;
    const FileHandle file(raw);
    std::string contents;
    char buffer[4096];
    for (DWORD read = 0;; contents.append(buffer, read)) {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr))
            return std::nullopt;
        if (read == 0)
            return contents;
    }
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
    // Read with the rules the write keeps, so both take the file in one encoding.
    const std::optional<std::string> contents = FileBytes(path_);
    std::wstring value = contents ? GetIniEntry(*contents, section, key).value_or(std::wstring(fallback)) : std::wstring(fallback);
    if (value.size() >= kTextCapacity)
        value.resize(kTextCapacity - 1);
    return value;
}

std::int32_t SettingsFile::ReadInteger(std::wstring_view section, std::wstring_view key, std::int32_t fallback) const
{
    return ParseInteger(ReadText(section, key, {})).value_or(fallback);
}

void SettingsFile::Write(const std::vector<IniEntry>& entries)
{
    std::optional<std::string> old = FileBytes(path_);
    if (!old || base::WriteFileAtomically(path_, SetIniEntries(*old, entries), probe_))
        throw base::Error(UnableToWrite(path_));
}

}
