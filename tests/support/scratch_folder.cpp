// Scratch folders and SQLite fixture files for tests.
#include "support/scratch_folder.h"

#include <sqlite3.h>
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "base/text.h"

namespace test_support {

namespace {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

void Execute(const std::wstring& file, std::string_view sql, int flags)
{
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(base::Narrow(file).c_str(), &raw, flags, nullptr);
    const std::unique_ptr<sqlite3, Closer> db(raw);
    if (opened != SQLITE_OK)
        throw std::runtime_error("cannot open " + base::Narrow(file));
    char* error = nullptr;
    if (sqlite3_exec(db.get(), std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + std::string(sql));
    }
}

}  // namespace

ScratchFolder::ScratchFolder() : previous_(std::filesystem::current_path())
{
    // Several test programs may run at once; the first name nobody has taken is ours.
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    const std::wstring stem = L"велмора-тест-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (int attempt = 1;; ++attempt) {
        path_ = temp / (stem + std::to_wstring(attempt));
        if (std::filesystem::create_directory(path_))
            break;
    }
    std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void MakeDatabase(const std::wstring& file, std::string_view sql)
{
    Execute(file, sql, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void RunSql(const std::wstring& file, std::string_view sql)
{
    Execute(file, sql, SQLITE_OPEN_READWRITE);
}

std::wstring JetConnectionString(std::wstring_view file)
{
    return L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + std::wstring(file) + L";Persist Security Info=False";
}

}  // namespace test_support
