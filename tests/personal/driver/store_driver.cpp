// Adds and removes own recipes through the program's store code until it is killed or has done
// its count, writing a line to the log after each operation has returned.
//
//     store_driver FOLDER LOG WRITER SEED [OPERATIONS]
//     store_driver race FOLDER LOG EVENT COUNT
//
// FOLDER holds Data\pelnor_myrecepies.rec; WRITER names the recipes it adds, so two drivers on one
// file never add the same name. Log lines: "added NAME", "deleting NAME" before a delete,
// "deleted NAME" after it, "error TEXT".
//
// In a race, the driver opens the file, releases the named semaphore "EVENT-ready", waits for the
// named event EVENT and then adds the recipes
// "Обща 1" to "Обща COUNT" as the add-recipe window does, name check included; drivers started
// together add the same names at the same moments. Log lines: "added NAME", "taken NAME",
// "error TEXT".
//
//     store_driver restore FOLDER LOG COPY...
//
// Restores the copies in turn, over and over, as the restore command does, taking the copy's
// texts for every shared name. Log lines: "restoring COPY" before a restore, "restored COPY"
// once it has returned, "error TEXT".
#include "data/connection.h"
#include "data/durability.h"
#include "data/table.h"
#include "personal/recipe_copies.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "support/recipe_texts.h"
#include "base/text.h"

#include <windows.h>

#include <cstdlib>
#include <exception>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

class Log {
public:
    explicit Log(const std::wstring& path)
        : file_(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~Log() { CloseHandle(file_); }
    void Line(const std::wstring& line)
    {
        const std::string utf8 = base::Narrow(line) + "\n";
        DWORD written = 0;
        WriteFile(file_, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    }

private:
    HANDLE file_;
};

void Run(Log& log, const std::wstring& writer, std::mt19937& random, long operations)
{
    data::Connection connection(personal::kAddRecipeConnection);
    data::RequireDurableWrites(connection);
    data::Table table(connection);
    table.SetTableName(personal::TableName());
    table.Open();
    for (long done = 0, added = 0; operations < 0 || done < operations; ++done) {
        try {
            table.Refresh();
            const std::size_t rows = table.RecordCount();
            if (rows < 8 || (rows < 40 && random() % 3 != 0)) {
                const std::wstring name = writer + L" " + std::to_wstring(random() % 100000) + L"-" + std::to_wstring(++added);
                personal::Append(table, {.Name = name,
                                         .Products = test_support::ProductsOf(name),
                                         .Burn = test_support::MethodOf(name)});
                log.Line(L"added " + name);
            } else {
                const int index = static_cast<int>(random() % rows);
                table.MoveToPosition(static_cast<std::size_t>(index));
                const std::wstring name = table.FieldText(personal::RecipeNameField());
                log.Line(L"deleting " + name);
                personal::DeleteAt(table, index, name);
                log.Line(L"deleted " + name);
            }
        } catch (const std::exception& e) {
            log.Line(L"error " + base::Widen(e.what()));
        }
    }
}

void Race(Log& log, const std::wstring& event, long count)
{
    data::Connection connection(personal::kAddRecipeConnection);
    data::RequireDurableWrites(connection);
    data::Table table(connection);
    table.SetTableName(personal::TableName());
    table.Open();
    const HANDLE start = OpenEventW(SYNCHRONIZE, FALSE, event.c_str());
    const HANDLE ready = OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, (event + L"-ready").c_str());
    if (!start || !ready)
        throw std::runtime_error("no start event");
    ReleaseSemaphore(ready, 1, nullptr);
    CloseHandle(ready);
    WaitForSingleObject(start, INFINITE);
    CloseHandle(start);
    for (long round = 1; round <= count; ++round) {
        const std::wstring name = L"Обща " + std::to_wstring(round);
        try {
            const bool added = personal::AddRecipe(connection, table,
                                                   {.Name = name,
                                                    .Products = test_support::ProductsOf(name),
                                                    .Burn = test_support::MethodOf(name)});
            log.Line((added ? L"added " : L"taken ") + name);
        } catch (const std::exception& e) {
            log.Line(L"error " + base::Widen(e.what()));
        }
    }
}

void Restore(Log& log, const std::vector<std::wstring>& copies)
{
    data::Connection connection(personal::kMyRecipesConnection);
    data::RequireDurableWrites(connection);
    for (;;) {
        for (const auto& copy : copies) {
            log.Line(L"restoring " + copy);
            personal::Restore(connection, personal::ReadCopy(copy), personal::SharedName::TakeCopy);
            log.Line(L"restored " + copy);
        }
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc >= 5 && std::wstring_view(argv[1]) == L"restore") {
        SetCurrentDirectoryW(argv[2]);
        Log log(argv[3]);
        try {
            Restore(log, std::vector<std::wstring>(argv + 4, argv + argc));
        } catch (const std::exception& e) {
            log.Line(L"error " + base::Widen(e.what()));
            return 1;
        }
        return 0;
    }
    if (argc == 6 && std::wstring_view(argv[1]) == L"race") {
        SetCurrentDirectoryW(argv[2]);
        Log log(argv[3]);
        try {
            Race(log, argv[4], std::wcstol(argv[5], nullptr, 10));
        } catch (const std::exception& e) {
            log.Line(L"error " + base::Widen(e.what()));
            return 1;
        }
        return 0;
    }
    if (argc < 5)
        return 2;
    SetCurrentDirectoryW(argv[1]);
    Log log(argv[2]);
    const std::wstring writer = argv[3];
    std::mt19937 random(static_cast<unsigned>(std::wcstoul(argv[4], nullptr, 10)));
    const long operations = argc > 5 ? std::wcstol(argv[5], nullptr, 10) : -1;
    try {
        Run(log, writer, random, operations);
    } catch (const std::exception& e) {
        log.Line(L"error " + base::Widen(e.what()));
        return 1;
    }
    return 0;
}
