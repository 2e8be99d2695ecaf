// Backing up a recipe file and reading a copy of one.
#include "data/recipe_copy.h"

#include "data/error.h"
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
    throw Error(messages::DatabaseFailed(path, messages::Reason(code, base::Widen(sqlite3_errmsg(db)))));
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
        throw Error(messages::NotADatabase(path, messages::Reason(SQLITE_CORRUPT, L"")));
}

std::size_t CountRows(sqlite3* db, std::wstring_view table)
{
    Statement count(db, "SELECT count(*) FROM " + QuoteIdentifier(table));
    count.Step();
    return static_cast<std::size_t>(count.Integer(0));
}

// The stored names of the recipe fields, in the order name, ingredients, method.
std::array<std::wstring, 3> RecipeFields(sqlite3* db, std::wstring_view table, const std::wstring& path)
{
    constexpr std::array<std::wstring_view, 3> kFields{L"Name", L"Products", L"Burn"};
    Statement columns(db, "SELECT name FROM pragma_table_info(?1)");
    columns.Bind(1, table);
    std::vector<std::wstring> names;
    while (columns.Step())
        names.push_back(columns.Text(0).value_or(L""));
    if (names.empty())
        throw Error(messages::TableMissing(table, path));
    std::array<std::wstring, 3> stored;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const auto found = std::ranges::find_if(names, [&](const std::wstring& name) { return base::SameName(name, kFields[i]); });
        if (found == names.end())
            throw Error(messages::FieldMissing(kFields[i], table));
        stored[i] = *found;
    }
    return stored;
}

}  // namespace

std::size_t BackUp(Connection& source, const std::wstring& target, std::wstring_view table)
{
    const std::wstring partial = target + L".partial";
    DeleteFileW(partial.c_str());
    std::size_t rows = 0;
    try {
        DatabaseHandle copy = OpenDatabase(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        CopyPages(source.Handle(), copy.get(), partial);
        RequireSound(copy.get(), partial);
        rows = CountRows(copy.get(), table);
    } catch (...) {
        DeleteFileW(partial.c_str());
        throw;
    }
    if (!MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(partial.c_str());
        throw Error(messages::DatabaseFailed(target, messages::Reason(SQLITE_CANTOPEN, L"MoveFileEx " + std::to_wstring(error))));
    }
    return rows;
}

std::vector<StoredRecipe> ReadRecipeFile(const std::wstring& path, std::wstring_view table)
{
    RequireDatabaseFile(path);
    DatabaseHandle db = OpenDatabase(path, SQLITE_OPEN_READONLY);
    if (sqlite3_exec(db.get(), "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const int code = sqlite3_extended_errcode(db.get());
        throw Error(messages::NotADatabase(path, messages::Reason(code, base::Widen(sqlite3_errmsg(db.get())))));
    }
    RequireSound(db.get(), path);
    const auto fields = RecipeFields(db.get(), table, path);
    Statement rows(db.get(), "SELECT " + QuoteIdentifier(fields[0]) + ", " + QuoteIdentifier(fields[1]) + ", " +
                                 QuoteIdentifier(fields[2]) + " FROM " + QuoteIdentifier(table) + " ORDER BY rowid");
    std::vector<StoredRecipe> recipes;
    while (rows.Step()) {
        auto name = rows.Text(0);
        if (!name)
            throw Error(messages::FieldIsNull(fields[0], table));
        recipes.push_back({std::move(*name), rows.Text(1).value_or(L""), rows.Text(2).value_or(L"")});
    }
    return recipes;
}

std::int64_t InsertRecipe(Connection& connection, std::wstring_view table, const StoredRecipe& recipe)
{
    Statement insert(connection.Handle(), "INSERT INTO " + QuoteIdentifier(table) + " (Name, Products, Burn) VALUES (?1, ?2, ?3)");
    insert.Bind(1, recipe.name).Bind(2, recipe.products).Bind(3, recipe.burn).Run();
    return sqlite3_last_insert_rowid(connection.Handle());
}

void ReplaceRecipeTexts(Connection& connection, std::wstring_view table, std::int64_t rowid, std::wstring_view products,
                        std::wstring_view burn)
{
    Statement update(connection.Handle(), "UPDATE " + QuoteIdentifier(table) + " SET Products = ?1, Burn = ?2 WHERE rowid = ?3");
    update.Bind(1, products).Bind(2, burn).Bind(3, rowid).Run();
}

}  // namespace data
