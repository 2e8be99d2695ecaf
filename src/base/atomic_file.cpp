// Writing a file beside, flushing it and swapping it in; the leftovers of ended copies removed.
#include "base/atomic_file.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace base {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using KernelHandle = std::unique_ptr<void, HandleCloser>;

KernelHandle Opened(HANDLE handle)
{
    return KernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

struct SearchCloser {
    void operator()(HANDLE search) const noexcept { FindClose(search); }
};
using SearchHandle = std::unique_ptr<void, SearchCloser>;

constexpr std::wstring_view kTemporarySuffix = L".tmp";

// The temporary of one write: removed (with a journal a database library may have left beside it)
// unless it has taken the file's place.
class Temporary {
public:
    explicit Temporary(std::wstring path) : path_(std::move(path)) { Remove(); }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary()
    {
        file_.reset();
        if (!placed_)
            Remove();
    }

    const std::wstring& Path() const { return path_; }
    KernelHandle& File() { return file_; }
    void Placed() { placed_ = true; }

private:
    void Remove() const
    {
        DeleteFileW(path_.c_str());
        DeleteFileW((path_ + L"-journal").c_str());
    }

    std::wstring path_;
    KernelHandle file_;
    bool placed_ = false;
};

std::wstring FullPath(const std::wstring& path)
{
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = size ? GetFullPathNameW(path.c_str(), size, full.data(), nullptr) : 0;
    if (length == 0 || length >= size)
        return path;
    full.resize(length);
    return full;
}

// The file's folder, and the name of the file in it.
std::pair<std::wstring, std::wstring> FolderAndName(const std::wstring& path)
{
    const std::wstring full = FullPath(path);
    const auto slash = full.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return {L".", full};
    return {full.substr(0, slash == 2 && full[1] == L':' ? 3 : slash), full.substr(slash + 1)};
}

// Puts the folder's entries on the disk. Windows flushes a folder through a handle opened for
// writing with backup semantics; where the file system or the platform refuses, the write-through
// rename is all there is, and the write goes on.
void FlushFolder(const std::wstring& folder)
{
    const KernelHandle handle = Opened(CreateFileW(folder.c_str(), GENERIC_READ | GENERIC_WRITE,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (handle)
        FlushFileBuffers(handle.get());
}

// The number of the process whose temporary `name` is ("<file>.<process>.tmp", perhaps with more
// after it), or nullopt when it is not one of this file's temporaries.
std::optional<DWORD> ProcessOfTemporary(std::wstring_view name, std::wstring_view prefix)
{
    if (!name.starts_with(prefix))
        return std::nullopt;
    name.remove_prefix(prefix.size());
    const auto suffix = name.find(kTemporarySuffix);
    if (suffix == 0 || suffix == std::wstring_view::npos || suffix > 10)
        return std::nullopt;
    unsigned long long process = 0;
    for (const wchar_t c : name.substr(0, suffix)) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        process = process * 10 + static_cast<unsigned>(c - L'0');
    }
    return process <= MAXDWORD ? std::optional<DWORD>(static_cast<DWORD>(process)) : std::nullopt;
}

bool Ended(DWORD process)
{
    // An ended process may still be opened while something holds it: it is signalled then.
    const KernelHandle opened(OpenProcess(SYNCHRONIZE, FALSE, process));  // null when it cannot be opened
    if (opened)
        return WaitForSingleObject(opened.get(), 0) == WAIT_OBJECT_0;
    return GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
}

// A copy of the program ended in the middle of its write left its temporary; once that copy is
// gone nobody finishes it. Those of copies still running, and files of other names, stay.
void RemoveAbandonedTemporaries(const std::wstring& folder, const std::wstring& name)
{
    const std::wstring prefix = name + L".";
    WIN32_FIND_DATAW found;
    const HANDLE first = FindFirstFileW((folder + L"\\" + prefix + L"*" + std::wstring(kTemporarySuffix) + L"*").c_str(), &found);
    if (first == INVALID_HANDLE_VALUE)
        return;
    const SearchHandle search(first);
    do {
        const auto process = ProcessOfTemporary(found.cFileName, prefix);
        if (process && *process != GetCurrentProcessId() && Ended(*process))
            DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search.get(), &found));
}

void Reached(const WriteProbe& probe, WriteStep step)
{
    if (probe)
        probe(step);
}

WriteFailure Failed(WriteStep step)
{
    return {step, GetLastError()};
}

// From a written temporary on: flushed, closed, swapped in, the folder flushed.
std::optional<WriteFailure> PutInPlace(Temporary& temporary, const std::wstring& path, const WriteProbe& probe)
{
    if (!FlushFileBuffers(temporary.File().get()))
        return Failed(WriteStep::TemporaryFlushed);
    Reached(probe, WriteStep::TemporaryFlushed);
    temporary.File().reset();
    Reached(probe, WriteStep::TemporaryClosed);
    if (!MoveFileExW(temporary.Path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Failed(WriteStep::Replaced);
    temporary.Placed();
    Reached(probe, WriteStep::Replaced);
    const auto [folder, name] = FolderAndName(path);
    FlushFolder(folder);
    Reached(probe, WriteStep::FolderFlushed);
    RemoveAbandonedTemporaries(folder, name);
    return std::nullopt;
}

KernelHandle Open(const std::wstring& path, DWORD disposition)
{
    return Opened(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}

std::wstring TemporaryOf(const std::wstring& path, unsigned long process)
{
    return path + L"." + std::to_wstring(process) + std::wstring(kTemporarySuffix);
}

std::optional<WriteFailure> WriteFileAtomically(const std::wstring& path, std::string_view bytes, const WriteProbe& probe)
{
    Temporary temporary(TemporaryOf(path, GetCurrentProcessId()));
    temporary.File() = Open(temporary.Path(), CREATE_NEW);
    if (!temporary.File())
        return Failed(WriteStep::TemporaryCreated);
    Reached(probe, WriteStep::TemporaryCreated);
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(temporary.File().get(), bytes.data(), chunk, &written, nullptr) || written == 0)
            return Failed(WriteStep::TemporaryWritten);
        bytes.remove_prefix(written);
    }
    Reached(probe, WriteStep::TemporaryWritten);
    return PutInPlace(temporary, path, probe);
}

std::optional<WriteFailure> MakeFileAtomically(const std::wstring& path, const std::function<void(const std::wstring&)>& make,
                                               const WriteProbe& probe)
{
    Temporary temporary(TemporaryOf(path, GetCurrentProcessId()));
    make(temporary.Path());
    temporary.File() = Open(temporary.Path(), OPEN_EXISTING);
    if (!temporary.File())
        return Failed(WriteStep::TemporaryWritten);
    Reached(probe, WriteStep::TemporaryWritten);
    return PutInPlace(temporary, path, probe);
}

}
