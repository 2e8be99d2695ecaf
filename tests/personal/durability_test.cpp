// The own-recipe file survives a program killed at any moment while it writes, and two programs
// writing it at once: the file stays sound, every add and change that returned is there whole, no
// row whose delete or change returned comes back, and a change cut short leaves the old recipe or
// the new one, never both and never neither. A restore cut short leaves the file as it was before
// it or as it is after it, never in between.
#include "support/my_recipes_db.h"
#include "support/recipe_texts.h"
#include "support/scratch_folder.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::filesystem::path DriverPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path() / L"store_driver.exe";
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using KernelHandle = std::unique_ptr<void, HandleCloser>;

KernelHandle Start(std::wstring command)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &startup,
                        &process))
        return nullptr;
    CloseHandle(process.hThread);
    return KernelHandle(process.hProcess);
}

KernelHandle StartDriver(const std::filesystem::path& folder, const std::wstring& log, const std::wstring& writer,
                          unsigned seed, int operations = -1)
{
    std::wstring command = L"\"" + DriverPath().wstring() + L"\" \"" + folder.wstring() + L"\" \"" + log + L"\" " + writer +
                           L" " + std::to_wstring(seed);
    if (operations >= 0)
        command += L" " + std::to_wstring(operations);
    return Start(std::move(command));
}

KernelHandle StartRacer(const std::filesystem::path& folder, const std::wstring& log, const std::wstring& event, int names)
{
    return Start(L"\"" + DriverPath().wstring() + L"\" race \"" + folder.wstring() + L"\" \"" + log + L"\" " + event + L" " +
                 std::to_wstring(names));
}

// The lines of a racer's log: each name it added or found taken, and its errors.
struct RaceLog {
    std::multiset<std::wstring> added;
    std::set<std::wstring> taken;
    std::vector<std::wstring> errors;
};

RaceLog ReadRaceLog(const std::wstring& path)
{
    std::ifstream log(std::filesystem::path(path), std::ios::binary);
    const std::string all{std::istreambuf_iterator<char>(log), {}};
    RaceLog read;
    for (std::size_t start = 0, end; (end = all.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::wstring text = base::Widen(std::string_view(all).substr(start, end - start));
        if (text.starts_with(L"added "))
            read.added.insert(text.substr(6));
        else if (text.starts_with(L"taken "))
            read.taken.insert(text.substr(6));
        else
            read.errors.push_back(text);
    }
    return read;
}

std::wstring IntegrityCheck(const std::wstring& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(base::Narrow(file).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    std::wstring result;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        result = base::Widen(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    else
        result = base::Widen(sqlite3_errmsg(db));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}

// The number of complete lines of `path` that start with `prefix`.
int CountLines(const std::wstring& path, std::string_view prefix)
{
    std::ifstream log(std::filesystem::path(path), std::ios::binary);
    const std::string all{std::istreambuf_iterator<char>(log), {}};
    int count = 0;
    for (std::size_t start = 0, end; (end = all.find('\n', start)) != std::string::npos; start = end + 1)
        count += std::string_view(all).substr(start, end - start).starts_with(prefix) ? 1 : 0;
    return count;
}

// Waits until the driver has logged `count` lines starting with `prefix`, so that a kill falls while
// it writes, however long the machine takes to start a program; false when it ended or hung first.
bool WaitForLines(HANDLE driver, const std::wstring& path, std::string_view prefix, int count)
{
    for (int waited = 0; waited < 120000; waited += 10) {
        if (CountLines(path, prefix) >= count)
            return true;
        if (WaitForSingleObject(driver, 10) == WAIT_OBJECT_0)
            return CountLines(path, prefix) >= count;
    }
    return false;
}

// What the drivers' logs say has returned: names added and not deleted or changed since, names
// deleted or changed away, and changes begun but not known to have returned.
struct Returned {
    std::set<std::wstring> present;
    std::set<std::wstring> deleted;
    std::map<std::wstring, std::wstring> changing;  // old name to new, for a change cut short
    int adds = 0;
    int changes = 0;
    std::vector<std::wstring> errors;
};

// "OLD<tab>NEW".
std::pair<std::wstring, std::wstring> Names(const std::wstring& text)
{
    const auto tab = text.find(L'\t');
    return {text.substr(0, tab), tab == std::wstring::npos ? L"" : text.substr(tab + 1)};
}

void ReadLog(const std::wstring& path, Returned& returned)
{
    std::ifstream log(std::filesystem::path(path), std::ios::binary);
    const std::string all{std::istreambuf_iterator<char>(log), {}};
    // A line the kill cut short has no line end and says nothing for sure.
    for (std::size_t start = 0, end; (end = all.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::wstring text = base::Widen(std::string_view(all).substr(start, end - start));
        const auto space = text.find(L' ');
        const std::wstring what = text.substr(0, space);
        const auto [from, to] = Names(space == std::wstring::npos ? L"" : text.substr(space + 1));
        if (what == L"error") {
            returned.errors.push_back(text.substr(space + 1));
            continue;
        }
        // A later write of either name of a change cut short settles which of the two is there.
        std::erase_if(returned.changing, [&](const auto& change) {
            return from == change.first || from == change.second || to == change.first || to == change.second;
        });
        if (what == L"added") {
            returned.present.insert(from);
            ++returned.adds;
        } else if (what == L"deleting") {
            // Killed before it could say so, the delete may have happened: the row may be gone.
            returned.present.erase(from);
        } else if (what == L"deleted") {
            returned.present.erase(from);
            returned.deleted.insert(from);
        } else if (what == L"changing") {
            returned.present.erase(from);
            returned.changing[from] = to;
        } else if (what == L"changed") {
            returned.present.insert(to);
            returned.deleted.insert(from);
            ++returned.changes;
        }
    }
}

// The file is sound and agrees with every operation that returned.
void CheckFile(const Returned& returned, const std::string& when)
{
    ASSERT_EQ(IntegrityCheck(test_support::kMyRecipesFile), L"ok") << when;
    std::set<std::wstring> stored;
    for (const auto& row : test_support::StoredRecipes()) {
        EXPECT_EQ(row.products, test_support::ProductsOf(row.name)) << when << " " << base::Narrow(row.name);
        EXPECT_EQ(row.burn, test_support::MethodOf(row.name)) << when << " " << base::Narrow(row.name);
        EXPECT_FALSE(returned.deleted.contains(row.name)) << when << ": deleted or changed row back: " << base::Narrow(row.name);
        stored.insert(row.name);
    }
    for (const auto& name : returned.present)
        EXPECT_TRUE(stored.contains(name)) << when << ": added or changed row lost: " << base::Narrow(name);
    for (const auto& [from, to] : returned.changing)
        EXPECT_EQ(stored.contains(from) + stored.contains(to), 1) << when << ": a change cut short left "
                                                                  << (stored.contains(from) ? "both" : "neither") << " of "
                                                                  << base::Narrow(from) << " and " << base::Narrow(to);
}

class DurabilityTest : public ::testing::Test {
protected:
    DurabilityTest() { test_support::WriteMyRecipes({}); }
    std::wstring LogPath(const wchar_t* name) const { return (folder.Path() / name).wstring(); }

    test_support::ScratchFolder folder;
};

TEST_F(DurabilityTest, KilledAtRandomMomentsWhileWritingTheFileKeepsEveryReturnedAddChangeAndDelete)
{
    ASSERT_TRUE(std::filesystem::exists(DriverPath()));
    constexpr unsigned kSeed = 20261210;
    std::mt19937 random(kSeed);
    Returned returned;
    for (int kill = 1; kill <= 20; ++kill) {
        const int addsBefore = CountLines(LogPath(L"kills.log"), "added ");
        const KernelHandle driver = StartDriver(folder.Path(), LogPath(L"kills.log"), L"Рецепта", random());
        ASSERT_TRUE(driver) << "the driver did not start";
        // The kill falls at a random moment after the driver's first add of this run.
        ASSERT_TRUE(WaitForLines(driver.get(), LogPath(L"kills.log"), "added ", addsBefore + 1))
            << "the driver added nothing (kill " << kill << ")";
        Sleep(random() % 500);
        TerminateProcess(driver.get(), 1);
        WaitForSingleObject(driver.get(), INFINITE);
        returned = Returned{};
        ReadLog(LogPath(L"kills.log"), returned);
        CheckFile(returned, "after kill " + std::to_string(kill) + " (seed " + std::to_string(kSeed) + ")");
        if (HasFatalFailure() || HasNonfatalFailure())
            return;
    }
    EXPECT_GT(returned.adds, 20) << "the drivers wrote too little for the kills to mean anything";
    EXPECT_GT(returned.changes, 5) << "the drivers changed too little for the kills to mean anything";
    EXPECT_FALSE(returned.deleted.empty());
    EXPECT_TRUE(returned.errors.empty()) << base::Narrow(returned.errors.front());
}

TEST_F(DurabilityTest, TwoProgramsWritingOneFileAtOnceNeverCorruptIt)
{
    const KernelHandle first = StartDriver(folder.Path(), LogPath(L"first.log"), L"Първа", 1, 60);
    const KernelHandle second = StartDriver(folder.Path(), LogPath(L"second.log"), L"Втора", 2, 60);
    ASSERT_TRUE(first && second);
    HANDLE both[] = {first.get(), second.get()};
    WaitForMultipleObjects(2, both, TRUE, INFINITE);

    Returned returned;
    ReadLog(LogPath(L"first.log"), returned);
    Returned fromSecond;
    ReadLog(LogPath(L"second.log"), fromSecond);
    // Each removes only rows it listed; a row the other removed first is reported, never deleted twice.
    for (const auto& name : fromSecond.present)
        returned.present.insert(name);
    for (const auto& name : fromSecond.deleted) {
        returned.present.erase(name);
        returned.deleted.insert(name);
    }
    for (const auto& name : returned.deleted)
        returned.present.erase(name);
    CheckFile(returned, "after two writers");
    EXPECT_GT(returned.adds, 0) << (returned.errors.empty() ? "" : base::Narrow(returned.errors.front()));
    EXPECT_GT(fromSecond.adds, 0) << (fromSecond.errors.empty() ? "" : base::Narrow(fromSecond.errors.front()));
}

TEST_F(DurabilityTest, TwoProgramsAddingTheSameNamesAtTheSameMomentStoreEachNameOnce)
{
    constexpr int kRounds = 4;
    constexpr int kNames = 30;
    for (int round = 1; round <= kRounds; ++round) {
        const std::string when = "round " + std::to_string(round);
        test_support::WriteMyRecipes({});
        const std::wstring event = L"velmora-race-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(round);
        const KernelHandle start(CreateEventW(nullptr, TRUE, FALSE, event.c_str()));
        const KernelHandle ready(CreateSemaphoreW(nullptr, 0, 2, (event + L"-ready").c_str()));
        ASSERT_TRUE(start && ready);
        const std::wstring firstLog = LogPath((L"race-first-" + std::to_wstring(round) + L".log").c_str());
        const std::wstring secondLog = LogPath((L"race-second-" + std::to_wstring(round) + L".log").c_str());
        const KernelHandle first = StartRacer(folder.Path(), firstLog, event, kNames);
        const KernelHandle second = StartRacer(folder.Path(), secondLog, event, kNames);
        ASSERT_TRUE(first && second) << when;
        // Both have the file open before either adds anything.
        for (int racer = 0; racer < 2; ++racer)
            WaitForSingleObject(ready.get(), INFINITE);
        SetEvent(start.get());
        HANDLE both[] = {first.get(), second.get()};
        WaitForMultipleObjects(2, both, TRUE, INFINITE);

        const RaceLog one = ReadRaceLog(firstLog);
        const RaceLog other = ReadRaceLog(secondLog);
        ASSERT_TRUE(one.errors.empty()) << when << ": " << base::Narrow(one.errors.front());
        ASSERT_TRUE(other.errors.empty()) << when << ": " << base::Narrow(other.errors.front());
        std::multiset<std::wstring> stored;
        for (const auto& row : test_support::StoredRecipes())
            stored.insert(row.name);
        for (int number = 1; number <= kNames; ++number) {
            const std::wstring name = L"Обща " + std::to_wstring(number);
            EXPECT_EQ(stored.count(name), 1u) << when << ": " << base::Narrow(name);
            // One of the two added it; the other was told the name is taken.
            EXPECT_EQ(one.added.count(name) + other.added.count(name), 1u) << when << ": " << base::Narrow(name);
            EXPECT_EQ(one.taken.count(name) + other.taken.count(name), 1u) << when << ": " << base::Narrow(name);
        }
        EXPECT_EQ(stored.size(), static_cast<std::size_t>(kNames)) << when;
        if (HasFailure())
            return;
    }
}

// The own-recipe file as it stands before and after each restore of the kill test.
struct RestoreStates {
    std::vector<test_support::MyRecipe> initial;
    std::map<std::wstring, std::vector<test_support::MyRecipe>> after;  // by copy
};

// The kill test's file holds every other recipe of the copies; each copy has them all, with texts
// of its own, long enough that a restore takes a while to write.
RestoreStates MakeRestoreFiles(const std::vector<std::wstring>& copies)
{
    constexpr int kRecipes = 120;
    const auto recipe = [](int number, const std::wstring& texts) {
        const std::wstring name = L"Рецепта " + std::to_wstring(number);
        return test_support::MyRecipe{name, texts + L" продукти " + name + std::wstring(1500, L'п'),
                                      texts + L" начин " + name + std::wstring(1500, L'н')};
    };
    RestoreStates states;
    for (const auto& copy : copies) {
        std::vector<test_support::MyRecipe> rows;
        for (int number = 0; number < kRecipes; ++number)
            rows.push_back(recipe(number, copy));
        test_support::WriteMyRecipes(rows);
        std::filesystem::rename(test_support::kMyRecipesFile, copy);
        // Restored, the copy's texts replace the file's in place and its other recipes follow.
        auto& after = states.after[copy];
        for (int number = 0; number < kRecipes; number += 2)
            after.push_back(recipe(number, copy));
        for (int number = 1; number < kRecipes; number += 2)
            after.push_back(recipe(number, copy));
    }
    for (int number = 0; number < kRecipes; number += 2)
        states.initial.push_back(recipe(number, L"сегашна"));
    test_support::WriteMyRecipes(states.initial);
    return states;
}

TEST_F(DurabilityTest, KilledAtRandomMomentsWhileRestoringTheFileHoldsTheStateBeforeOrAfter)
{
    ASSERT_TRUE(std::filesystem::exists(DriverPath()));
    const std::vector<std::wstring> copies{(folder.Path() / L"копие А.rec").wstring(), (folder.Path() / L"копие Б.rec").wstring()};
    const RestoreStates states = MakeRestoreFiles(copies);
    constexpr unsigned kSeed = 20261211;
    std::mt19937 random(kSeed);
    const std::wstring log = LogPath(L"restores.log");
    int restored = 0;
    int killedWhileRestoring = 0;
    const auto startRestores = [&](bool firstA) {
        return Start(L"\"" + DriverPath().wstring() + L"\" restore \"" + folder.Path().wstring() + L"\" \"" + log + L"\" \"" +
                     copies[firstA ? 0 : 1] + L"\" \"" + copies[firstA ? 1 : 0] + L"\"");
    };
    // How long one restore takes on this machine now: the kills are spread over that much and a
    // half more, so that some fall inside a restore and some after one, however busy the machine is.
    DWORD restoreTime = 0;
    {
        const KernelHandle driver = startRestores(true);
        ASSERT_TRUE(driver) << "the driver did not start";
        ASSERT_TRUE(WaitForLines(driver.get(), log, "restoring ", 1)) << "the driver began no restore";
        const DWORD begun = GetTickCount();
        ASSERT_TRUE(WaitForLines(driver.get(), log, "restored ", 1)) << "the driver ended no restore";
        restoreTime = GetTickCount() - begun;
        TerminateProcess(driver.get(), 1);
        WaitForSingleObject(driver.get(), INFINITE);
    }
    const DWORD killWindow = restoreTime + restoreTime / 2 + 1;
    const int restoredInCalibration = CountLines(log, "restored ");
    for (int kill = 1; kill <= 15; ++kill) {
        const std::string when = "after kill " + std::to_string(kill) + " (seed " + std::to_string(kSeed) + ")";
        // Each run starts with another copy, so that every run has something to write.
        const bool firstA = random() % 2 == 0;
        const int begunBefore = CountLines(log, "restoring ");
        const KernelHandle driver = startRestores(firstA);
        ASSERT_TRUE(driver) << "the driver did not start";
        ASSERT_TRUE(WaitForLines(driver.get(), log, "restoring ", begunBefore + 1)) << when << ": the driver began no restore";
        Sleep(random() % killWindow);
        TerminateProcess(driver.get(), 1);
        WaitForSingleObject(driver.get(), INFINITE);

        // The last restore that returned decides the state; one begun after it may have finished too.
        std::ifstream in(std::filesystem::path(log), std::ios::binary);
        const std::string all{std::istreambuf_iterator<char>(in), {}};
        const std::vector<test_support::MyRecipe>* done = &states.initial;
        const std::vector<test_support::MyRecipe>* begun = nullptr;
        restored = 0;
        for (std::size_t start = 0, end; (end = all.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::wstring text = base::Widen(std::string_view(all).substr(start, end - start));
            if (text.starts_with(L"restoring ")) {
                begun = &states.after.at(text.substr(10));
            } else if (text.starts_with(L"restored ")) {
                done = &states.after.at(text.substr(9));
                begun = nullptr;
                ++restored;
            } else {
                ADD_FAILURE() << when << ": " << base::Narrow(text);
            }
        }
        if (begun)
            ++killedWhileRestoring;
        ASSERT_EQ(IntegrityCheck(test_support::kMyRecipesFile), L"ok") << when;
        const auto stored = test_support::StoredRecipes();
        EXPECT_TRUE(stored == *done || (begun && stored == *begun))
            << when << ": the file holds " << stored.size() << " recipes, neither the state before nor after a restore";
        if (HasFailure())
            return;
    }
    EXPECT_GT(restored, restoredInCalibration) << "no restore returned before its kill: the kills tested nothing but the start";
    std::printf("one restore took %lu ms; restores returned: %d; kills that fell inside a restore: %d of 15\n",
                static_cast<unsigned long>(restoreTime), restored - restoredInCalibration, killedWhileRestoring);
}

}  // namespace
