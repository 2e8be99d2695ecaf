// Line-level editing of INI text: lines are split on the raw bytes, so lines the program does not
// change are written back exactly as they were read.
#include "settings/ini_text.h"

#include "base/names.h"

#include <windows.h>

#include <algorithm>
#include <optional>

namespace settings {
namespace {

enum class Encoding { Ansi, Utf8, Utf16LE, Utf16BE };

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

struct Layout {
    Encoding encoding;
    std::string_view mark;
};

// Text saved as UTF-8 without a mark (as today's editors save it): bytes beyond ASCII that all
// form UTF-8 sequences. Text in a single-byte code page almost never does.
bool UnmarkedUtf8(std::string_view contents)
{
    const bool beyondAscii = std::ranges::any_of(contents, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return beyondAscii && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, contents.data(),
                                              static_cast<int>(contents.size()), nullptr, 0) > 0;
}

Layout LayoutOf(std::string_view contents)
{
    if (contents.empty())
        return {Encoding::Utf16LE, kUtf16LEMark};
    if (contents.starts_with(kUtf8Mark))
        return {Encoding::Utf8, kUtf8Mark};
    if (contents.starts_with(kUtf16LEMark))
        return {Encoding::Utf16LE, kUtf16LEMark};
    if (contents.starts_with(kUtf16BEMark))
        return {Encoding::Utf16BE, kUtf16BEMark};
    if (UnmarkedUtf8(contents))
        return {Encoding::Utf8, {}};
    return {Encoding::Ansi, {}};
}

bool Wide(Encoding encoding)
{
    return encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
}

std::wstring Decode(std::string_view bytes, Encoding encoding)
{
    if (Wide(encoding)) {
        std::wstring text(bytes.size() / 2, L'\0');
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto first = static_cast<unsigned char>(bytes[2 * i]);
            const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
            text[i] = static_cast<wchar_t>(encoding == Encoding::Utf16LE ? first | second << 8 : first << 8 | second);
        }
        return text;
    }
    const UINT codePage = encoding == Encoding::Utf8 ? CP_UTF8 : CP_ACP;
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(length, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return text;
}

std::string Encode(std::wstring_view text, Encoding encoding)
{
    if (Wide(encoding)) {
        std::string bytes;
        for (const wchar_t c : text) {
            const char low = static_cast<char>(c & 0xFF);
            const char high = static_cast<char>(c >> 8 & 0xFF);
            bytes += encoding == Encoding::Utf16LE ? std::string{low, high} : std::string{high, low};
        }
        return bytes;
    }
    const UINT codePage = encoding == Encoding::Utf8 ? CP_UTF8 : CP_ACP;
    const int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

// One line of the file: its bytes as read (terminator included) and its text without the terminator.
struct Line {
    std::string bytes;
    std::wstring text;
    bool terminated = false;

    std::optional<std::wstring_view> Section() const
    {
        const std::wstring_view line = base::Trim(text);
        if (!line.starts_with(L'['))
            return std::nullopt;
        return base::Trim(line.substr(1, line.find(L']') - 1));
    }
    std::optional<std::wstring_view> Key() const
    {
        const auto equals = text.find(L'=');
        if (equals == std::wstring::npos || Section())
            return std::nullopt;
        return base::Trim(std::wstring_view(text).substr(0, equals));
    }
    bool Blank() const { return base::Trim(text).empty(); }
};

class IniLines {
public:
    explicit IniLines(std::string_view contents) : layout_(LayoutOf(contents))
    {
        if (contents.starts_with(layout_.mark))
            contents.remove_prefix(layout_.mark.size());
        const std::size_t unit = Wide(layout_.encoding) ? 2 : 1;
        const std::string newline = Encode(L"\n", layout_.encoding);
        while (!contents.empty()) {
            std::size_t end = contents.size();
            for (std::size_t at = 0; at + unit <= contents.size(); at += unit) {
                if (contents.substr(at, unit) == newline) {
                    end = at + unit;
                    break;
                }
            }
            Line line{.bytes = std::string(contents.substr(0, end))};
            line.terminated = line.bytes.ends_with(newline);
            line.text = Decode(std::string_view(line.bytes).substr(0, line.bytes.size() - (line.terminated ? unit : 0)),
                               layout_.encoding);
            if (line.text.ends_with(L'\r'))
                line.text.pop_back();
            lines_.push_back(std::move(line));
            contents.remove_prefix(end);
        }
    }

    void Set(const IniEntry& entry)
    {
        const auto header = FindSection(entry.section);
        if (!header) {
            Append(L"[" + std::wstring(entry.section) + L"]");
            Append(std::wstring(entry.key) + L"=" + entry.value);
            return;
        }
        std::size_t end = *header + 1;
        while (end < lines_.size() && !lines_[end].Section())
            ++end;
        for (std::size_t at = *header + 1; at < end; ++at) {
            if (const auto key = lines_[at].Key(); key && base::SameName(*key, entry.key)) {
                lines_[at] = MakeLine(std::wstring(*key) + L"=" + entry.value);
                return;
            }
        }
        // After the section's last entry, ahead of the blank lines that set it apart from the next one.
        std::size_t at = end;
        while (at > *header + 1 && lines_[at - 1].Blank())
            --at;
        Terminate(at - 1);
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), MakeLine(std::wstring(entry.key) + L"=" + entry.value));
    }

    std::optional<std::wstring> Get(std::wstring_view section, std::wstring_view key) const
    {
        const auto header = FindSection(section);
        if (!header)
            return std::nullopt;
        for (std::size_t at = *header + 1; at < lines_.size() && !lines_[at].Section(); ++at) {
            if (const auto name = lines_[at].Key(); name && base::SameName(*name, key)) {
                const std::wstring& text = lines_[at].text;
                std::wstring_view value = base::Trim(std::wstring_view(text).substr(text.find(L'=') + 1));
                // One pair of enclosing quotes is not part of the value.
                if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
                    value = value.substr(1, value.size() - 2);
                return std::wstring(value);
            }
        }
        return std::nullopt;
    }

    std::string Contents() const
    {
        std::string contents(layout_.mark);
        for (const auto& line : lines_)
            contents += line.bytes;
        return contents;
    }

private:
    std::optional<std::size_t> FindSection(std::wstring_view name) const
    {
        for (std::size_t at = 0; at < lines_.size(); ++at) {
            if (const auto section = lines_[at].Section(); section && base::SameName(*section, name))
                return at;
        }
        return std::nullopt;
    }

    Line MakeLine(const std::wstring& text) const
    {
        return {.bytes = Encode(text + L"\r\n", layout_.encoding), .text = text, .terminated = true};
    }

    void Terminate(std::size_t at)
    {
        if (!lines_[at].terminated) {
            lines_[at].bytes += Encode(L"\r\n", layout_.encoding);
            lines_[at].terminated = true;
        }
    }

    void Append(const std::wstring& text)
    {
        if (!lines_.empty())
            Terminate(lines_.size() - 1);
        lines_.push_back(MakeLine(text));
    }

    Layout layout_;
    std::vector<Line> lines_;
};

}

std::optional<std::wstring> GetIniEntry(std::string_view contents, std::wstring_view section, std::wstring_view key)
{
    return IniLines(contents).Get(section, key);
}

std::string SetIniEntries(std::string_view contents, const std::vector<IniEntry>& entries)
{
    IniLines lines(contents);
    for (const auto& entry : entries)
        lines.Set(entry);
    return lines.Contents();
}

}
