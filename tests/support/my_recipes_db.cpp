// Test own-recipe databases.
#include "support/my_recipes_db.h"

#include "support/scratch_folder.h"
#include "base/text.h"

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

namespace test_support {
namespace {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct Finalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

std::wstring Column(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? base::Widen(text) : std::wstring();
}

std::string Quoted(const std::wstring& text)
{
    std::string quoted = "'";
    for (char c : base::Narrow(text)) {
        if (c == '\'')
            quoted += '\'';
        quoted += c;
    }
    return quoted + "'";
}

}  // namespace

void WriteMyRecipes(const std::vector<MyRecipe>& rows)
{
    std::filesystem::create_directories("Data");
    std::filesystem::remove(kMyRecipesFile);
    std::string sql = "CREATE TABLE \"Моите рецепти\" (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                      "Name TEXT CHECK (length(Name) <= 50), Products TEXT, Burn TEXT);";
    for (const auto& row : rows)
        sql += "INSERT INTO \"Моите рецепти\" (Name, Products, Burn) VALUES (" + Quoted(row.name) + ", " +
               Quoted(row.products) + ", " + Quoted(row.burn) + ");";
    MakeDatabase(kMyRecipesFile, sql);
}

std::vector<MyRecipe> StoredRecipes(const std::wstring& file)
{
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(base::Narrow(file).c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const std::unique_ptr<sqlite3, Closer> db(raw);
    if (opened != SQLITE_OK)
        throw std::runtime_error("cannot open " + base::Narrow(file));
    sqlite3_busy_timeout(db.get(), 10000);
    sqlite3_stmt* rawStatement = nullptr;
    if (sqlite3_prepare_v2(db.get(), "SELECT Name, Products, Burn FROM \"Моите рецепти\" ORDER BY rowid", -1, &rawStatement,
                           nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db.get()));
    const std::unique_ptr<sqlite3_stmt, Finalizer> statement(rawStatement);
    std::vector<MyRecipe> rows;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW)
        rows.push_back({Column(statement.get(), 0), Column(statement.get(), 1), Column(statement.get(), 2)});
    if (step != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(db.get()));
    return rows;
}

}
