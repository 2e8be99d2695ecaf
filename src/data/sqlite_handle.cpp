// The prepared statement: binding, stepping, and reading columns as text.
#include "data/sqlite_handle.h"

#include "base/error.h"
#include "data/messages.h"
#include "base/text.h"

#include <windows.h>

#include <charconv>
#include <iterator>

namespace data {

namespace {

std::wstring FileOf(sqlite3* db)
{
    const char* path = sqlite3_db_filename(db, "main");
    return path ? base::Widen(path) : std::wstring();
}

// Why the journal cannot be opened, asked of the system again: SQLite's own record of the error
// may be of a later call. Nothing is changed: an existing file is only opened, a missing one is
// created and gone again when closed.
unsigned long JournalOpenError(const std::wstring& journal)
{
    constexpr DWORD kAccess = GENERIC_READ | GENERIC_WRITE;
    HANDLE file = CreateFileW(journal.c_str(), kAccess, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND)
        file = CreateFileW(journal.c_str(), kAccess, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE,
                           nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    CloseHandle(file);
    return ERROR_SUCCESS;
}

std::wstring NumberText(double value)
{
    // to_chars gives the shortest form that reads back the same, always with '.', whatever the locale.
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return std::wstring(buffer, result.ptr);
}

}  // namespace

unsigned long RequireDatabaseFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw base::Error(messages::FileNotFound(path));
    // To this program an empty file is a damaged database, not a new one.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeHigh == 0 && data.nFileSizeLow == 0)
        throw base::Error(messages::EmptyDatabase(path));
    return attributes;
}

DatabaseHandle OpenDatabase(const std::wstring& path, int flags)
{
    sqlite3* raw = nullptr;
    const int result = sqlite3_open_v2(base::Narrow(path).c_str(), &raw, flags, nullptr);
    DatabaseHandle db(raw);
    if (result != SQLITE_OK)
        throw base::Error(messages::DatabaseFailed(
            path, messages::Reason(raw ? sqlite3_extended_errcode(raw) : result, base::Widen(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(result)))));
    return db;
}

std::string QuoteIdentifier(std::wstring_view name)
{
    std::string quoted = "\"";
    for (const char c : base::Narrow(name)) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK)
        Fail();
    statement_.reset(statement);
}

Statement& Statement::Bind(int parameter, std::wstring_view text)
{
    const std::string utf8 = base::Narrow(text);
    if (sqlite3_bind_text(statement_.get(), parameter, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        Fail();
    return *this;
}

Statement& Statement::Bind(int parameter, std::int64_t value)
{
    if (sqlite3_bind_int64(statement_.get(), parameter, value) != SQLITE_OK)
        Fail();
    return *this;
}

Statement& Statement::BindColumn(int parameter, const Statement& source, int column)
{
    if (sqlite3_bind_value(statement_.get(), parameter, sqlite3_column_value(source.statement_.get(), column)) != SQLITE_OK)
        Fail();
    return *this;
}

bool Statement::Step()
{
    switch (sqlite3_step(statement_.get())) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        Fail();
    }
}

void Statement::Run()
{
    while (Step()) {
    }
}

void Statement::Reset() noexcept
{
    sqlite3_reset(statement_.get());
}

int Statement::ColumnCount() const
{
    return sqlite3_column_count(statement_.get());
}

std::wstring Statement::ColumnName(int column) const
{
    return base::Widen(sqlite3_column_name(statement_.get(), column));
}

std::int64_t Statement::Integer(int column) const
{
    return sqlite3_column_int64(statement_.get(), column);
}

std::optional<std::wstring> Statement::Text(int column) const
{
    sqlite3_stmt* statement = statement_.get();
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return std::nullopt;
    case SQLITE_INTEGER:
        return std::to_wstring(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return NumberText(sqlite3_column_double(statement, column));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return base::Widen(std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))));
    }
    }
}

void Statement::Fail() const
{
    const int code = sqlite3_extended_errcode(db_);
    // The file is open already: a write that cannot open a file is one that cannot create its
    // journal beside it, and the folder is at fault.
    if ((code & 0xFF) == SQLITE_CANTOPEN && statement_ && !sqlite3_stmt_readonly(statement_.get()))
        throw base::Error(messages::JournalRefused(FileOf(db_), JournalOpenError(FileOf(db_) + L"-journal")));
    throw base::Error(messages::DatabaseFailed(FileOf(db_), messages::Reason(code, base::Widen(sqlite3_errmsg(db_)))));
}

}  // namespace data
