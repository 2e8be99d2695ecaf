// Backup and restore of the own recipes: a copy holds the whole file, a damaged or foreign file is
// refused without a change, and a restore adds, keeps or replaces as the user chose, all or nothing.
#include "data/connection.h"
#include "personal/recipe_copies.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "support/app_fixture.h"
#include "support/my_recipes_db.h"
#include "support/scratch_folder.h"
#include "base/error.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using test_support::MyRecipe;
using test_support::StoredRecipes;

const std::vector<MyRecipe>& kFile = test_support::kThreeRecipes;

std::vector<data::StoredRecipe> AsCopy(const std::vector<MyRecipe>& rows)
{
    std::vector<data::StoredRecipe> copy;
    for (const auto& row : rows)
        copy.push_back({row.name, row.products, row.burn});
    return copy;
}

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const base::Error& e) {
        return e.what();
    }
    return "(no error)";
}

class RecipeCopiesTest : public test_support::AppTest {
protected:
    RecipeCopiesTest() { Reset(kFile); }
    // A file made as the own-recipe file is, under another name. The program's connection is let go
    // meanwhile: an open file cannot be renamed.
    std::wstring MakeCopy(const std::wstring& name, const std::vector<MyRecipe>& rows)
    {
        const std::vector<MyRecipe> own = StoredRecipes();
        subscription.Reset();
        store.reset();
        test_support::WriteMyRecipes(rows);
        std::filesystem::rename(test_support::kMyRecipesFile, name);
        Reset(own);
        return name;
    }
    // The own-recipe file written anew with these rows.
    void Reset(const std::vector<MyRecipe>& rows)
    {
        subscription.Reset();
        store.reset();
        test_support::WriteMyRecipes(rows);
        store.emplace();
        told.clear();
        subscription = store->OnChange([this](const personal::StoreChange& change) { told.push_back(change.kind); });
    }

    std::optional<personal::RecipeStore> store;
    std::vector<personal::StoreChange::Kind> told;
    data::Subscription subscription;
};

TEST_F(RecipeCopiesTest, BackUpWritesTheWholeFileWhileItIsOpenAndCountsItsRecipes)
{
    // A reader in the middle of the table, as the windows' table objects are.
    data::Connection other(personal::kAddRecipeConnection);
    test_support::MakeDatabase(L"target.rec", "CREATE TABLE old (x);");
    EXPECT_EQ(store->BackUp(L"target.rec"), kFile.size());
    EXPECT_EQ(StoredRecipes(L"target.rec"), kFile);
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::current_path()))
        EXPECT_EQ(entry.path().filename().wstring().find(L"target.rec."), std::wstring::npos) << "left beside the copy";
    // Taken again after a change, the copy replaces the earlier one.
    store->Restore({{L"Нова", L"а", L"б"}}, personal::SharedName::KeepBoth);
    EXPECT_EQ(store->BackUp(L"target.rec"), kFile.size() + 1);
    EXPECT_EQ(StoredRecipes(L"target.rec").size(), kFile.size() + 1);
}

TEST_F(RecipeCopiesTest, BackUpThatCannotBeWrittenLeavesNothingAndSaysWhy)
{
    EXPECT_NE(MessageOf([&] { store->BackUp(L"Data\\..\\Data\\pelnor_myrecepies.rec"); }).find(base::Narrow(L"самия файл")),
              std::string::npos);
    EXPECT_EQ(StoredRecipes(), kFile);
    const std::string missingFolder = MessageOf([&] { store->BackUp(L"няма\\копие.rec"); });
    EXPECT_TRUE(missingFolder.starts_with(base::Narrow(L"Копието не е записано"))) << missingFolder;
    EXPECT_FALSE(std::filesystem::exists(L"няма"));
}

TEST_F(RecipeCopiesTest, DamagedOrForeignFilesAreRefusedWithTheirReason)
{
    {
        std::ofstream(L"text.rec") << "not a database at all, just some text that is long enough to look like a header";
        std::ofstream(L"empty.rec");
    }
    test_support::MakeDatabase(L"foreign.rec", "CREATE TABLE other (Name TEXT);");
    test_support::MakeDatabase(L"fields.rec", "CREATE TABLE \"Моите рецепти\" (ID INTEGER PRIMARY KEY, Name TEXT, Products TEXT);");
    test_support::MakeDatabase(L"nameless.rec",
                               "CREATE TABLE \"Моите рецепти\" (ID INTEGER PRIMARY KEY, Name TEXT, Products TEXT, Burn TEXT);"
                               "INSERT INTO \"Моите рецепти\" (Name, Products, Burn) VALUES (NULL, 'а', 'б');");
    test_support::MakeDatabase(L"long.rec", "CREATE TABLE \"Моите рецепти\" (ID INTEGER PRIMARY KEY, Name TEXT, Products TEXT, Burn TEXT);"
                                            "INSERT INTO \"Моите рецепти\" (Name, Products, Burn) VALUES (" +
                                                std::string("'") + base::Narrow(std::wstring(51, L'я')) + "', 'а', 'б');");
    // A sound file whose table pages are then overwritten in the middle.
    std::vector<MyRecipe> many;
    for (int i = 0; i < 200; ++i)
        many.push_back({L"Рецепта " + std::to_wstring(i), std::wstring(300, L'п'), std::wstring(300, L'м')});
    MakeCopy(L"damaged.rec", many);
    {
        std::fstream damaged(L"damaged.rec", std::ios::in | std::ios::out | std::ios::binary);
        damaged.seekp(4096 * 3 + 100);
        const std::string garbage(3000, '\x5A');
        damaged.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    }
    const struct {
        const wchar_t* file;
        const wchar_t* reason;
    } kCases[] = {
        {L"text.rec", L"не е база данни"},
        {L"empty.rec", L"празен"},
        {L"missing.rec", L"не е намерен"},
        {L"foreign.rec", L"Таблицата „Моите рецепти“ не съществува"},
        {L"fields.rec", L"Полето „Burn“ не съществува"},
        {L"nameless.rec", L"няма стойност"},
        {L"long.rec", L"по-дълго от 50 знака"},
        {L"damaged.rec", L"повреден"},
    };
    for (const auto& c : kCases) {
        const std::string message = MessageOf([&] { personal::ReadCopy(c.file); });
        EXPECT_NE(message.find(base::Narrow(c.reason)), std::string::npos) << base::Narrow(c.file) << ": " << message;
        EXPECT_NE(message.find(base::Narrow(L"не са променени")), std::string::npos) << base::Narrow(c.file) << ": " << message;
    }
    EXPECT_EQ(StoredRecipes(), kFile);
}

TEST_F(RecipeCopiesTest, RestoreCountsAndSettlesSharedNamesAsChosen)
{
    const std::vector<MyRecipe> copy{{L"Баница", L"кори\r\nсирене", L"Пече се."},
                                     {L"Таратор", L"краставици, копър", L"Разбърква се."},
                                     {L"Кекс", L"брашно", L"Пече се."}};
    const auto path = MakeCopy(L"копие.rec", copy);
    const auto read = personal::ReadCopy(path);
    EXPECT_EQ(read, AsCopy(copy));
    const personal::RestoreCounts expected{.added = 1, .unchanged = 1, .differing = 1};
    EXPECT_EQ(store->Compare(read), expected);
    EXPECT_EQ(StoredRecipes(), kFile) << "comparing changes nothing";

    // Added in the copy's order, after the file's own.
    const MyRecipe cake = copy[2];
    const struct {
        personal::SharedName choice;
        std::vector<MyRecipe> after;
    } kCases[] = {
        {personal::SharedName::KeepBoth,
         {kFile[0], kFile[1], kFile[2], {L"Таратор (копие)", L"краставици, копър", L"Разбърква се."}, cake}},
        {personal::SharedName::TakeCopy, {kFile[0], copy[1], kFile[2], cake}},
        {personal::SharedName::KeepCurrent, {kFile[0], kFile[1], kFile[2], cake}},
    };
    for (const auto& c : kCases) {
        Reset(kFile);
        EXPECT_EQ(store->Restore(read, c.choice), expected);
        EXPECT_EQ(StoredRecipes(), c.after) << static_cast<int>(c.choice);
        EXPECT_EQ(told, std::vector{personal::StoreChange::Kind::Restored});
        // Restored again, the copy brings nothing new, and nobody is told of a change.
        const auto again = store->Compare(read);
        EXPECT_EQ(again.added, 0u);
        EXPECT_EQ(store->Restore(read, c.choice).added, 0u);
        EXPECT_EQ(told.size(), 1u);
        EXPECT_EQ(StoredRecipes(), c.after) << static_cast<int>(c.choice);
    }
}

TEST_F(RecipeCopiesTest, RestoreThatFailsPartWayLeavesTheFileAsItWas)
{
    test_support::RunSql(test_support::kMyRecipesFile,
                         "CREATE TRIGGER refuse BEFORE INSERT ON \"Моите рецепти\" WHEN NEW.Name = 'Последна' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    const std::vector<data::StoredRecipe> copy{{L"Първа", L"а", L"б"}, {L"Таратор", L"друго", L"друго"}, {L"Последна", L"а", L"б"}};
    EXPECT_ANY_THROW(store->Restore(copy, personal::SharedName::TakeCopy));
    EXPECT_EQ(StoredRecipes(), kFile);
    EXPECT_TRUE(told.empty()) << "a restore that wrote nothing was told";
}

TEST(SuffixedNameTest, KeepsToTheNameLimitAndFindsAFreeName)
{
    const std::wstring fifty(50, L'б');
    const std::wstring pair = L"\U0001F372";  // one character, two UTF-16 units
    const struct {
        std::wstring name;
        std::set<std::wstring> taken;
        std::wstring expected;
    } kCases[] = {
        {L"Таратор", {}, L"Таратор (копие)"},
        {L"Таратор", {L"Таратор (копие)"}, L"Таратор (копие 2)"},
        {fifty, {}, std::wstring(42, L'б') + L" (копие)"},
        {fifty, {std::wstring(42, L'б') + L" (копие)"}, std::wstring(40, L'б') + L" (копие 2)"},
        // The cut falls after a whole pair, never between its halves.
        {std::wstring(41, L'б') + pair + L"ццц", {}, std::wstring(41, L'б') + pair + L" (копие)"},
    };
    for (const auto& c : kCases) {
        const auto name = personal::SuffixedName(c.name, c.taken);
        EXPECT_EQ(name, c.expected) << base::Narrow(c.name);
        EXPECT_LE(base::CountCodePoints(name), personal::kMaxNameLength);
    }
}

}
