// The settings file: one small INI layer with typed getters. It reads and writes by the rules of the
// Windows profile functions, and takes the file in one encoding for both (see ini_text.h).
#pragma once
#include "base/atomic_file.h"
#include "settings/ini_text.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// Decimal with an optional sign, or hexadecimal after "$" or "0x"/"0X" (which needs a digit after it);
// hexadecimal above 0x7FFFFFFF wraps to the signed value, as stored system colours need.
std::optional<std::int32_t> ParseInteger(std::wstring_view text);

class SettingsFile {
public:
    explicit SettingsFile(std::wstring path);
    // The executable's full path with the extension replaced by ".ini".
    static SettingsFile ForExecutable();

    const std::wstring& Path() const { return path_; }

    // A missing or unreadable file, section or key gives the fallback; names match regardless of
    // letter case. A value is read up to 2047 characters.
    std::wstring ReadText(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const;
    // An empty or non-numeric value also gives the fallback.
    std::int32_t ReadInteger(std::wstring_view section, std::wstring_view key, std::int32_t fallback) const;

    // Sets all the entries at once, through the one atomic file write (base/atomic_file.h): a
    // failure, a kill or another copy of the program writing at the same moment leaves the old
    // file or the new one, whole. Entries the program does not know
    // and the file's encoding are kept (see SetIniEntries). Throws base::Error "Unable to write to
    // <path>" when the platform refuses any step; the old file is then left as it was.
    void Write(const std::vector<IniEntry>& entries);

    // Called after each step of every write; for tests that fail or end the program at a step.
    void SetWriteProbe(base::WriteProbe probe) { probe_ = std::move(probe); }

private:
    std::wstring path_;
    base::WriteProbe probe_;
};

}
