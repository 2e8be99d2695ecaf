// The settings file: one small INI layer over the Windows profile functions, with typed getters.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// Decimal with an optional sign, or hexadecimal after "$" or "0x"/"0X" (which needs a digit after it);
// hexadecimal above 0x7FFFFFFF wraps to the signed value, as stored system colours need.
std::optional<std::int32_t> ParseInteger(std::wstring_view text);

class SettingsFile {
public:
    explicit SettingsFile(std::wstring path);
    // The executable's full path with the extension replaced by ".ini".
    static SettingsFile ForExecutable();

    const std::wstring& Path() const { return path_; }

    // A missing file, section or key gives the fallback; names match regardless of letter case.
    std::wstring ReadText(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const;
    // An empty or non-numeric value also gives the fallback.
    std::int32_t ReadInteger(std::wstring_view section, std::wstring_view key, std::int32_t fallback) const;

    // Throws ui::Error "Unable to write to <path>" when the platform refuses the write.
    void WriteText(std::wstring_view section, std::wstring_view key, std::wstring_view value);
    void WriteInteger(std::wstring_view section, std::wstring_view key, std::int32_t value);
    // Writes out and releases whatever the platform keeps of the file.
    void Flush() noexcept;

private:
    std::wstring path_;
};

}
