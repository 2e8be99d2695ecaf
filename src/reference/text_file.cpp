// Reading a text file through the system, so that a failure carries the system's own reason.
#include "reference/text_file.h"

#include "base/error.h"
#include "base/text.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace reference {
namespace {

struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using File = std::unique_ptr<void, FileCloser>;

std::wstring FullPath(const std::wstring& path)
{
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length > full.size()) {
        full.resize(length);
        length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    }
    if (length == 0)
        return path;
    full.resize(length);
    return full;
}

// The system's text for an error code, in the system's language, without the line break it ends with.
std::wstring SystemReason(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length ? std::wstring(text, length) : L"Error " + std::to_wstring(error);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
        reason.pop_back();
    return reason;
}

[[noreturn]] void CannotOpen(const std::wstring& path, DWORD error)
{
    throw base::Error(L"Cannot open file \"" + FullPath(path) + L"\". " + SystemReason(error));
}

}

std::wstring ReadTextFile(std::wstring_view name)
{
    const std::wstring path(name);
    File file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        file.release();
        CannotOpen(path, error);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        CannotOpen(path, GetLastError());
    std::vector<char> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        CannotOpen(path, GetLastError());
    bytes.resize(read);
    return base::DecodeCp1251(bytes);
}

}
