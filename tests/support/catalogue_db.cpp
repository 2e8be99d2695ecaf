// Test catalogue databases.
#include "support/catalogue_db.h"

#include "base/text.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

namespace test_support {
namespace {

constexpr char kPath[] = "Data/pelnor_recepies.rec";

void Check(int code, sqlite3* db)
{
    if (code != SQLITE_OK && code != SQLITE_DONE && code != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

std::string Quoted(const std::wstring& name)
{
    std::string quoted(1, '"');
    quoted += base::Narrow(name);
    quoted += '"';
    return quoted;
}

void Insert(sqlite3* db, const std::wstring& table, const std::vector<std::wstring>& fields, const RecipeRow& row)
{
    const std::string sql = "INSERT INTO " + Quoted(table) + " (" + Quoted(fields[0]) + ", " + Quoted(fields[1]) + ", " +
                            Quoted(fields[2]) + ") VALUES (?, ?, ?)";
    sqlite3_stmt* statement = nullptr;
    Check(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), db);
    if (row.name)
        sqlite3_bind_text(statement, 1, base::Narrow(*row.name).c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(statement, 2, base::Narrow(row.products).c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(statement, 3, base::Narrow(row.burn).c_str(), -1, SQLITE_TRANSIENT);
    const int code = sqlite3_step(statement);
    sqlite3_finalize(statement);
    Check(code, db);
}

}

void WriteCatalogue(const std::vector<CatalogueTable>& tables)
{
    std::filesystem::create_directories("Data");
    std::filesystem::remove(kPath);
    sqlite3* db = nullptr;
    Check(sqlite3_open(kPath, &db), db);
    for (const auto& table : tables) {
        const std::string sql = "CREATE TABLE " + Quoted(table.name) + " (ID INTEGER PRIMARY KEY, " + Quoted(table.fields[0]) +
                                " TEXT, " + Quoted(table.fields[1]) + " TEXT, " + Quoted(table.fields[2]) + " TEXT)";
        Check(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), db);
        for (const auto& row : table.rows)
            Insert(db, table.name, table.fields, row);
    }
    sqlite3_close(db);
}

void AppendRecipe(const std::wstring& table, const RecipeRow& row)
{
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(kPath, &db, SQLITE_OPEN_READWRITE, nullptr), db);
    Insert(db, table, {L"name", L"Products", L"Burn"}, row);
    sqlite3_close(db);
}

}
