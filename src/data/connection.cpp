// Opening a connection: provider check, path resolution, and making sure the file is a database.
#include "data/connection.h"

#include "data/connection_string.h"
#include "base/error.h"
#include "data/messages.h"
#include "base/names.h"
#include "base/text.h"

#include <windows.h>

namespace data {

namespace {

// The windows' connection strings name the Jet 4.0 provider because the program's first database
// engine was Jet and its files were opened through it; the files are SQLite now, and the stored
// strings stay as they are so that the windows keep opening the same files by the same text.
constexpr std::wstring_view kProvider = L"Microsoft.Jet.OLEDB.4.0";
// Plain reads are slow under Wine; mapping the file avoids a system call per page. SQLite maps
// only as much as the file holds, so the mapping follows the file's size up to this bound, which
// is the SQLite build's own ceiling (256 MiB): an eighth of a 32-bit process's address space.
constexpr std::string_view kMapFile = "PRAGMA mmap_size = 268435456";
// Another connection may be writing the same file for a moment; wait for it rather than fail.
constexpr int kBusyMilliseconds = 5000;

std::wstring SourcePath(std::wstring_view connection_string)
{
    const std::wstring provider = ConnectionStringValue(connection_string, L"Provider").value_or(L"");
    if (!base::SameName(provider, kProvider))
        throw base::Error(messages::UnsupportedProvider(provider));
    const std::optional<std::wstring> source = ConnectionStringValue(connection_string, L"Data Source");
    if (!source || source->empty())
        throw base::Error(messages::NoDataSource());
    return *source;
}

std::wstring FullPathOf(const std::wstring& path)
{
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        throw base::Error(messages::FileNotFound(path));
    full.resize(length);
    return full;
}

DatabaseHandle OpenFile(const std::wstring& path)
{
    const DWORD attributes = RequireDatabaseFile(path);
    // A catalogue copied from a CD keeps its read-only flag; reading it must still work.
    return OpenDatabase(path, (attributes & FILE_ATTRIBUTE_READONLY) ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
}

// SQLite reads a file lazily; read the schema now so a damaged file fails here, not at the first query.
void CheckIsDatabase(sqlite3* db, const std::wstring& path)
{
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) == SQLITE_OK)
        return;
    const int code = sqlite3_extended_errcode(db);
    const std::wstring reason = messages::Reason(code, base::Widen(sqlite3_errmsg(db)));
    if ((code & 0xFF) == SQLITE_NOTADB || (code & 0xFF) == SQLITE_CORRUPT)
        throw base::Error(messages::NotADatabase(path, reason));
    // Locked by another program, say: the file may well be a sound database.
    throw base::Error(messages::DatabaseFailed(path, reason));
}

}  // namespace

Connection::Connection(std::wstring_view connection_string)
    : full_path_(FullPathOf(SourcePath(connection_string))), db_(OpenFile(full_path_))
{
    // Set before the first read: a file another program is writing is busy, not damaged.
    sqlite3_busy_timeout(db_.get(), kBusyMilliseconds);
    CheckIsDatabase(db_.get(), full_path_);
    Statement(db_.get(), kMapFile).Run();
}

}  // namespace data
