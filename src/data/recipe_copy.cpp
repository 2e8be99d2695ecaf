// Backing up a recipe file and reading a copy of one.
#include "data/recipe_copy.h"

#include "base/atomic_file.h"
#include "base/error.h"
#include "data/messages.h"
#include "base/names.h"
#include "data/sqlite_handle.h"
#include "base/text.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <memory>

namespace data {
namespace {

// How long the backup waits for a writer of the source file to finish before it gives up.
constexpr int kBusyRetries = 250;
constexpr int kBusyPause = 20;  // milliseconds
// Pages copied per step: the source is locked only for a step at a time.
constexpr int kPagesPerStep = 64;

struct BackupFinisher {
    void operator()(sqlite3_backup* backup) const noexcept { sqlite3_backup_finish(backup); }
};

[[noreturn]] void Fail(sqlite3* db, const std::wstring& path, int code)
{
    throw base::Error(messages::DatabaseFailed(path, messages::Reason(code, base::Widen(sqlite3_errmsg(db)))));
}

void CopyPages(sqlite3* source, sqlite3* copy, const std::wstring& path)
{
    std::unique_ptr<sqlite3_backup, BackupFinisher> backup(sqlite3_backup_init(copy, "main", source, "main"));
    if (!backup)
        Fail(copy, path, sqlite3_extended_errcode(copy));
    int result = SQLITE_OK;
    for (int busy = 0; busy < kBusyRetries;) {
        result = sqlite3_backup_step(backup.get(), kPagesPerStep);
        if (result == SQLITE_DONE)
            break;
        if (result == SQLITE_BUSY || result == SQLITE_LOCKED) {
            ++busy;
            sqlite3_sleep(kBusyPause);
        } else if (result != SQLITE_OK) {
            break;
        }
    }
    const int finished = sqlite3_backup_finish(backup.release());
    if (result != SQLITE_DONE)
        Fail(copy, path, result == SQLITE_OK ? SQLITE_BUSY : result);
    if (finished != SQLITE_OK)
        Fail(copy, path, finished);
}

void RequireSound(sqlite3* db, const std::wstring& path)
{
    Statement check(db, "PRAGMA integrity_check");
    if (!check.Step() || check.Text(0).value_or(L"") != L"ok")
        throw base::Error(messages::NotADatabase(path, messages::Reason(SQLITE_CORRUPT, L"")));
}

std::size_t CountRows(sqlite3* db, std::wstring_view table)
{
    Statement count(db, "SELECT count(*) FROM " + QuoteIdentifier(table));
    count.Step();
    return static_cast<std::size_t>(count.Integer(0));
}

}  // namespace

std::size_t BackUp(Connection& source, const std::wstring& target, std::wstring_view table)
{
    std::size_t rows = 0;
    const auto failure = base::MakeFileAtomically(target, [&](const std::wstring& partial) {
        DatabaseHandle copy = OpenDatabase(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        CopyPages(source.Handle(), copy.get(), partial);
        RequireSound(copy.get(), partial);
        rows = CountRows(copy.get(), table);
    });
    if (failure)
        throw base::Error(messages::DatabaseFailed(target, base::SystemReason(failure->code)));
    return rows;
}

std::vector<StoredRecipe> ReadRecipeFile(const std::wstring& path, std::wstring_view table)
{
    RequireDatabaseFile(path);
    DatabaseHandle db = OpenDatabase(path, SQLITE_OPEN_READONLY);
    if (sqlite3_exec(db.get(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const int code = sqlite3_extended_errcode(db.get());
        throw base::Error(messages::NotADatabase(path, messages::Reason(code, base::Widen(sqlite3_errmsg(db.get())))));
    }
    RequireSound(db.get(), path);
    const auto fields = RecipeFields(db.get(), table, path);
    Statement rows(db.get(), "SELECT " + QuoteIdentifier(fields[0]) + ", " + QuoteIdentifier(fields[1]) + ", " +
                                 QuoteIdentifier(fields[2]) + " FROM " + QuoteIdentifier(table) + " ORDER BY rowid");
    std::vector<StoredRecipe> recipes;
    while (rows.Step()) {
        auto name = rows.Text(0);
        if (!name)
            throw base::Error(messages::FieldIsNull(fields[0], table));
        recipes.push_back({std::move(*name), rows.Text(1).value_or(L""), rows.Text(2).value_or(L"")});
    }
    return recipes;
}

}  // namespace data
