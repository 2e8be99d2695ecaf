// The own-recipe store: listing and reading by ID, adds, changes and deletes with their rules (exact
// names kept unique, texts stored as typed, the name limit, broken characters, a recipe gone from
// the file), each write told once to every observer after it is on disk and never when it failed.
#include "base/error.h"
#include "base/text.h"
#include "data/connection.h"
#include "data/durability.h"
#include "data/sqlite_handle.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "support/app_fixture.h"
#include "support/my_recipes_db.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using personal::RecipeId;
using personal::RecipeStore;
using personal::StoreChange;
using test_support::MyRecipe;
using test_support::StoredRecipes;
using Kind = StoreChange::Kind;

const std::vector<MyRecipe>& kThree = test_support::kThreeRecipes;

class RecipeStoreTest : public test_support::AppTest {
protected:
    RecipeStore& Open(const std::vector<MyRecipe>& rows)
    {
        subscription.Reset();
        store.reset();
        test_support::WriteMyRecipes(rows);
        store.emplace();
        told.clear();
        subscription = store->OnChange([this](const StoreChange& change) { told.push_back(change); });
        return *store;
    }
    // The IDs of the listed recipes, in list order.
    std::vector<RecipeId> Ids()
    {
        std::vector<RecipeId> ids;
        for (const auto& entry : store->List())
            ids.push_back(entry.id);
        return ids;
    }
    std::vector<Kind> ToldKinds() const
    {
        std::vector<Kind> kinds;
        for (const auto& change : told)
            kinds.push_back(change.kind);
        return kinds;
    }

    std::optional<RecipeStore> store;
    std::vector<StoreChange> told;
    data::Subscription subscription;
};

TEST_F(RecipeStoreTest, ListsTheRecipesInTableOrderWithTheirIdsAndReadsEachById)
{
    Open(kThree);
    const auto entries = store->List();
    ASSERT_EQ(entries.size(), 3u);
    for (std::size_t i = 0; i < kThree.size(); ++i) {
        EXPECT_EQ(entries[i].name, kThree[i].name);
        EXPECT_EQ(store->Read(entries[i].id), (personal::UserDetails{kThree[i].name, kThree[i].products, kThree[i].burn}));
    }
    EXPECT_LT(entries[0].id, entries[1].id);
    EXPECT_EQ(store->Read(entries[2].id + 1), std::nullopt);
    EXPECT_TRUE(Open({}).List().empty());
}

// One write on the three recipes: what it returns or throws, what the file holds after it and what
// the observers hear.
struct WriteCase {
    const char* name;
    // Runs the write on the store; `ids` are the three recipes' IDs in order.
    std::function<std::wstring(RecipeStore& store, const std::vector<RecipeId>& ids)> write;
    std::wstring result;  // what `write` says it did, or a part of the error it threw
    std::vector<MyRecipe> after;
    std::vector<Kind> told;
};

std::wstring AddResult(const std::optional<RecipeId>& id, const std::vector<RecipeId>& ids)
{
    return id ? (*id > ids.back() ? L"added" : L"added with an old ID") : L"taken";
}

std::wstring ChangeResult(personal::ChangeOutcome outcome)
{
    return outcome == personal::ChangeOutcome::Changed ? L"changed" : L"taken";
}

std::function<std::wstring(RecipeStore&, const std::vector<RecipeId>&)> Add(MyRecipe recipe)
{
    return [recipe](RecipeStore& store, const std::vector<RecipeId>& ids) {
        return AddResult(store.Add({recipe.name, recipe.products, recipe.burn}), ids);
    };
}

std::function<std::wstring(RecipeStore&, const std::vector<RecipeId>&)> Change(int which, MyRecipe recipe)
{
    return [which, recipe](RecipeStore& store, const std::vector<RecipeId>& ids) {
        return ChangeResult(store.Change(ids[static_cast<std::size_t>(which)], {recipe.name, recipe.products, recipe.burn}));
    };
}

std::vector<MyRecipe> With(std::vector<MyRecipe> rows, int at, const MyRecipe& recipe)
{
    if (at == static_cast<int>(rows.size()))
        rows.push_back(recipe);
    else
        rows[static_cast<std::size_t>(at)] = recipe;
    return rows;
}

std::vector<MyRecipe> Without(std::vector<MyRecipe> rows, int at)
{
    rows.erase(rows.begin() + at);
    return rows;
}

const std::wstring kFiftyOne(51, L'я');
const MyRecipe kCake{L"Кекс", L"брашно", L"Пече се."};

const WriteCase kWrites[] = {
    {"a new name is added at the end", Add(kCake), L"added", With(kThree, 3, kCake), {Kind::Added}},
    {"a stored name typed exactly is taken", Add({L"Таратор", L"а", L"б"}), L"taken", kThree, {}},
    {"a name differing in case is new", Add({L"таратор", L"а", L"б"}), L"added", With(kThree, 3, {L"таратор", L"а", L"б"}), {Kind::Added}},
    {"a trailing blank makes a new name", Add({L"Таратор ", L"а", L"б"}), L"added", With(kThree, 3, {L"Таратор ", L"а", L"б"}), {Kind::Added}},
    {"blanks are texts, stored as typed", Add({L" ", L"  \r\n ", L"\r\n"}), L"added", With(kThree, 3, {L" ", L"  \r\n ", L"\r\n"}), {Kind::Added}},
    {"a name of 50 characters is added", Add({std::wstring(50, L'я'), L"а", L"б"}), L"added",
     With(kThree, 3, {std::wstring(50, L'я'), L"а", L"б"}), {Kind::Added}},
    {"a name of 51 characters is refused", Add({kFiftyOne, L"а", L"б"}), L"51 знака", kThree, {}},
    {"an empty method is refused", Add({L"Кекс", L"брашно", L""}), std::wstring(personal::kEnterMethod), kThree, {}},
    {"a change may keep the recipe's own name", Change(1, {L"Таратор", L"краставици, копър", L"Разбърква се."}), L"changed",
     With(kThree, 1, {L"Таратор", L"краставици, копър", L"Разбърква се."}), {Kind::Changed}},
    {"a change may rename the recipe in its place", Change(1, {L"Таратор с орехи", L"орехи", L"Бърка се."}), L"changed",
     With(kThree, 1, {L"Таратор с орехи", L"орехи", L"Бърка се."}), {Kind::Changed}},
    {"a change to another recipe's name is taken", Change(1, {L"Мусака", L"а", L"б"}), L"taken", kThree, {}},
    {"a change to another's name in another case is made", Change(1, {L"мусака", L"а", L"б"}), L"changed",
     With(kThree, 1, {L"мусака", L"а", L"б"}), {Kind::Changed}},
    {"a change to a 51-character name is refused", Change(1, {kFiftyOne, L"а", L"б"}), L"51 знака", kThree, {}},
    {"a change to an empty name is refused", Change(0, {L"", L"а", L"б"}), std::wstring(personal::kEnterName), kThree, {}},
    {"a delete removes the recipe", [](RecipeStore& store, const std::vector<RecipeId>& ids) {
         store.Delete(ids[1]);
         return std::wstring(L"deleted");
     },
     L"deleted", Without(kThree, 1), {Kind::Deleted}},
};

TEST_F(RecipeStoreTest, EachWriteFollowsTheRulesAndIsToldOnceWhenItWasMade)
{
    for (const auto& c : kWrites) {
        SCOPED_TRACE(c.name);
        Open(kThree);
        const auto ids = Ids();
        std::wstring result;
        try {
            result = c.write(*store, ids);
        } catch (const base::Error& e) {
            result = e.Message();
        }
        EXPECT_NE(result.find(c.result), std::wstring::npos) << base::Narrow(result);
        EXPECT_EQ(StoredRecipes(), c.after);
        EXPECT_EQ(ToldKinds(), c.told);
    }
}

TEST_F(RecipeStoreTest, TheObserversHearWhichRecipeWasAddedChangedOrDeleted)
{
    Open(kThree);
    std::vector<StoreChange> second;
    const data::Subscription other = store->OnChange([&](const StoreChange& change) { second.push_back(change); });
    const auto ids = Ids();
    const RecipeId cake = store->Add({L"Кекс", L"брашно", L"Пече се."}).value();
    store->Change(ids[0], {L"Баница", L"кори", L"Пече се."});
    store->Delete(ids[2]);
    for (const auto* heard : {&told, &second}) {
        ASSERT_EQ(heard->size(), 3u);
        EXPECT_EQ((*heard)[0].kind, Kind::Added);
        EXPECT_EQ((*heard)[0].id, cake);
        EXPECT_EQ((*heard)[1].kind, Kind::Changed);
        EXPECT_EQ((*heard)[1].id, ids[0]);
        EXPECT_EQ((*heard)[2].kind, Kind::Deleted);
        EXPECT_EQ((*heard)[2].id, ids[2]);
    }
    // An observer that dropped its subscription hears nothing more.
    subscription.Reset();
    store->Delete(cake);
    EXPECT_EQ(told.size(), 3u);
    EXPECT_EQ(second.size(), 4u);
}

TEST_F(RecipeStoreTest, TheNameLimitCountsCharactersAsShownAndBrokenCharactersAreRefused)
{
    Open({});
    const auto repeat = [](std::wstring_view piece, int times) {
        std::wstring text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    const std::wstring smile = L"\xD83D\xDE00";  // one character of two UTF-16 units
    const struct {
        const char* name;
        personal::UserDetails recipe;
        const wchar_t* refusal;  // a part of the error, or null when stored
    } cases[] = {
        {"26 emoji", {repeat(smile, 26), L"а", L"б"}, nullptr},
        {"50 emoji", {repeat(smile, 50), L"а", L"б"}, nullptr},
        {"49 letters and an emoji", {repeat(L"я", 49) + smile, L"а", L"б"}, nullptr},
        {"51 emoji", {repeat(smile, 51), L"а", L"б"}, L"51 знака"},
        {"a cut pair in the name", {L"Кекс" + smile.substr(0, 1), L"а", L"б"}, L"Име на рецептата"},
        {"a lone low half", {smile.substr(1) + L"Кекс", L"а", L"б"}, L"Име на рецептата"},
        {"a cut pair in the method", {L"Кекс", L"а", L"б" + smile.substr(0, 1)}, L"Начин на приготвяне"},
    };
    std::vector<MyRecipe> stored;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            store->Add(c.recipe);
            EXPECT_EQ(c.refusal, nullptr) << "stored";
            stored.push_back({c.recipe.Name, c.recipe.Products, c.recipe.Burn});
        } catch (const base::Error& e) {
            ASSERT_NE(c.refusal, nullptr) << e.what();
            EXPECT_NE(e.Message().find(c.refusal), std::wstring::npos) << e.what();
        }
        EXPECT_EQ(StoredRecipes(), stored);
    }
}

TEST_F(RecipeStoreTest, TheNameCheckSeesRecipesAnotherProgramAddedAfterTheStoreOpened)
{
    Open(kThree);
    test_support::RunSql(test_support::kMyRecipesFile,
                         "INSERT INTO \"Моите рецепти\" (Name, Products, Burn) VALUES ('Кекс', 'брашно', 'Пече се.')");
    const auto ids = Ids();
    EXPECT_EQ(store->Add({L"Кекс", L"а", L"б"}), std::nullopt);
    EXPECT_EQ(store->Change(ids[0], {L"Кекс", L"а", L"б"}), personal::ChangeOutcome::NameTaken);
    EXPECT_EQ(StoredRecipes(), With(kThree, 3, {L"Кекс", L"брашно", L"Пече се."}));
}

TEST_F(RecipeStoreTest, AnIdNamesItsRecipeWhateverAnotherProgramDeletedBeforeIt)
{
    Open(kThree);
    const auto ids = Ids();
    // Another program removed the first recipe: the others now stand one place earlier in the file.
    test_support::RunSql(test_support::kMyRecipesFile, "DELETE FROM \"Моите рецепти\" WHERE Name = 'Баница'");
    store->Delete(ids[2]);
    EXPECT_EQ(StoredRecipes(), (std::vector<MyRecipe>{kThree[1]}));

    // A recipe no longer in the file is neither changed nor deleted, and no observer hears of it.
    told.clear();
    for (const auto& write : {std::function<void()>([&] { store->Delete(ids[0]); }),
                              std::function<void()>([&] { store->Change(ids[0], {L"Баница", L"а", L"б"}); })}) {
        try {
            write();
            ADD_FAILURE() << "a write to a recipe gone from the file passed for done";
        } catch (const base::Error& e) {
            EXPECT_TRUE(e.Message().starts_with(personal::kRecipeGone)) << e.what();
        }
    }
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(StoredRecipes(), (std::vector<MyRecipe>{kThree[1]}));
}

TEST_F(RecipeStoreTest, AWriteThatCannotMakeItsJournalNamesTheFolderAndTheCauseAndChangesNothing)
{
    Open(kThree);
    const auto ids = Ids();
    // The journal the write keeps beside the file cannot be made: a folder stands in its place.
    const std::filesystem::path folder = std::filesystem::current_path() / L"Data";
    std::filesystem::create_directory(folder / L"pelnor_myrecepies.rec-journal");
    const std::function<void()> writes[] = {
        [&] { store->Add({L"Кекс", L"а", L"б"}); },
        [&] { store->Change(ids[1], {L"Таратор", L"а", L"б"}); },
        [&] { store->Delete(ids[1]); },
    };
    for (const auto& write : writes) {
        try {
            write();
            ADD_FAILURE() << "the write passed for done";
        } catch (const base::Error& e) {
            const std::wstring& message = e.Message();
            EXPECT_NE(message.find(L"папката „" + folder.wstring() + L"“"), std::wstring::npos) << e.what();
            EXPECT_NE(message.find(L"pelnor_myrecepies.rec-journal"), std::wstring::npos) << e.what();
            EXPECT_NE(message.find(L"достъпът е отказан"), std::wstring::npos) << e.what();
        }
    }
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(StoredRecipes(), kThree);
    std::filesystem::remove(folder / L"pelnor_myrecepies.rec-journal");
    EXPECT_TRUE(store->Add({L"Кекс", L"а", L"б"}));
    EXPECT_EQ(store->List().size(), kThree.size() + 1);
}

TEST_F(RecipeStoreTest, AFileWithoutTheTableOrAFieldIsRefusedWhenTheStoreOpens)
{
    test_support::WriteMyRecipes({});
    test_support::RunSql(test_support::kMyRecipesFile, "ALTER TABLE \"Моите рецепти\" RENAME TO other");
    EXPECT_THROW(RecipeStore(), base::Error);
    std::filesystem::remove(test_support::kMyRecipesFile);
    EXPECT_THROW(RecipeStore(), base::Error);
}

TEST_F(RecipeStoreTest, TheStoreWritesWithARollbackJournalAndFullSync)
{
    Open({});
    const auto pragma = [&](const char* sql) {
        data::Statement statement(store->Connection().Handle(), sql);
        return statement.Step() ? statement.Text(0).value_or(L"") : L"";
    };
    EXPECT_EQ(pragma("PRAGMA journal_mode"), L"delete");
    EXPECT_EQ(pragma("PRAGMA synchronous"), L"2");
}

}  // namespace
