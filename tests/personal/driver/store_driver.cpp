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
#include "personal/recipe_copies.h"
#include "personal/recipe_store.h"
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

// The recipes of the store that this writer added or changed last.
std::vector<personal::RecipeEntry> OwnEntries(personal::RecipeStore& store, const std::wstring& writer)
{
    std::vector<personal::RecipeEntry> own;
    for (auto& entry : store.List()) {
        if (entry.name.starts_with(writer + L" "))
            own.push_back(std::move(entry));
    }
    return own;
}

personal::UserDetails RecipeNamed(const std::wstring& name)
{
    return {.Name = name, .Products = test_support::ProductsOf(name), .Burn = test_support::MethodOf(name)};
}

void Run(Log& log, const std::wstring& writer, std::mt19937& random, long operations)
{
    personal::RecipeStore store;
    long named = 0;
    const auto newName = [&] { return writer + L" " + std::to_wstring(random() % 100000) + L"-" + std::to_wstring(++named); };
    for (long done = 0; operations < 0 || done < operations; ++done) {
        try {
            const auto own = OwnEntries(store, writer);
            const unsigned roll = random() % 3;
            if (own.size() < 8 || (own.size() < 40 && roll == 0)) {
                const std::wstring name = newName();
                store.Add(RecipeNamed(name));
                log.Line(L"added " + name);
                continue;
            }
            const auto& chosen = own[random() % own.size()];
            if (roll == 1) {
                const std::wstring name = newName();
                log.Line(L"changing " + chosen.name + L"\t" + name);
                const bool changed = store.Change(chosen.id, RecipeNamed(name)) == personal::ChangeOutcome::Changed;
                log.Line((changed ? L"changed " : L"error name taken ") + chosen.name + L"\t" + name);
            } else {
                log.Line(L"deleting " + chosen.name);
                store.Delete(chosen.id);
                log.Line(L"deleted " + chosen.name);
            }
        } catch (const std::exception& e) {
            log.Line(L"error " + base::Widen(e.what()));
        }
    }
}

void Race(Log& log, const std::wstring& event, long count)
{
    personal::RecipeStore store;
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
            log.Line((store.Add(RecipeNamed(name)) ? L"added " : L"taken ") + name);
        } catch (const std::exception& e) {
            log.Line(L"error " + base::Widen(e.what()));
        }
    }
}

void Restore(Log& log, const std::vector<std::wstring>& copies)
{
    personal::RecipeStore store;
    for (;;) {
        for (const auto& copy : copies) {
            log.Line(L"restoring " + copy);
            store.Restore(personal::ReadCopy(copy), personal::SharedName::TakeCopy);
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
