// The own-recipe table's rules: exact names, texts stored as typed, ordinals across two connections,
// the name length limit and deletes that must not pass for done.
#include "data/connection.h"
#include "data/durability.h"
#include "data/error.h"
#include "data/table.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "support/app_fixture.h"
#include "support/my_recipes_db.h"
#include "support/scratch_folder.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using test_support::MyRecipe;
using test_support::StoredRecipes;

const std::vector<MyRecipe>& kThree = test_support::kThreeRecipes;

class RecipeStoreTest : public test_support::AppTest {
protected:
    data::Table& Open(data::Connection& connection, data::Table& table)
    {
        data::RequireDurableWrites(connection);
        table.SetTableName(personal::TableName());
        table.Open();
        return table;
    }

    ui::Form host{{.caption = L"host", .clientWidth = 200, .clientHeight = 200}};
    ui::ListBox list{{.parent = host.Handle(), .bounds = {0, 0, 100, 100}}};
};

std::vector<std::wstring> Entries(const ui::ListBox& list)
{
    std::vector<std::wstring> entries;
    for (int i = 0; i < list.Count(); ++i)
        entries.push_back(list.Item(i));
    return entries;
}

TEST_F(RecipeStoreTest, NameEqualityIsExact)
{
    test_support::WriteMyRecipes(kThree);
    data::Connection connection(personal::kAddRecipeConnection);
    data::Table table(connection);
    Open(connection, table);
    const struct {
        std::wstring name;
        bool taken;
    } cases[] = {
        {L"Таратор", true},   {L"таратор", false}, {L"ТАРАТОР", false}, {L"Таратор ", false},
        {L" Таратор", false}, {L"Тарат", false},   {L"Мусака", true},   {L"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(personal::NameTaken(table, c.name), c.taken) << base::Narrow(c.name);
}

TEST_F(RecipeStoreTest, AppendStoresTheTextsAsTypedAndListsTheRowAtTheEnd)
{
    test_support::WriteMyRecipes(kThree);
    data::Connection connection(personal::kAddRecipeConnection);
    data::Table table(connection);
    Open(connection, table);
    const MyRecipe blanks{L" ", L"  \r\n ", L"\r\n"};
    personal::Append(table, {.Name = blanks.name, .Products = blanks.products, .Burn = blanks.burn});
    const MyRecipe fifty{std::wstring(50, L'я'), L"а", L"б"};
    personal::Append(table, {.Name = fifty.name, .Products = fifty.products, .Burn = fifty.burn});

    std::vector<MyRecipe> expected = kThree;
    expected.push_back(blanks);
    expected.push_back(fifty);
    EXPECT_EQ(StoredRecipes(), expected);
    personal::ListNames(table, list);
    EXPECT_EQ(Entries(list), (std::vector<std::wstring>{L"Баница", L"Таратор", L"Мусака", L" ", fifty.name}));
    EXPECT_TRUE(table.Eof());
}

TEST_F(RecipeStoreTest, TheAddChecksTheNameAgainstTheFileAsItIsAndStoresOnlyAFreeOne)
{
    test_support::WriteMyRecipes(kThree);
    data::Connection connection(personal::kAddRecipeConnection);
    data::Table table(connection);
    Open(connection, table);
    // Another program adds a recipe after this table was read.
    test_support::RunSql(test_support::kMyRecipesFile,
                         "INSERT INTO \"Моите рецепти\" (Name, Products, Burn) VALUES ('Кекс', 'брашно', 'Пече се.')");

    EXPECT_FALSE(personal::AddRecipe(connection, table, {.Name = L"Кекс", .Products = L"а", .Burn = L"б"}));
    EXPECT_TRUE(personal::AddRecipe(connection, table, {.Name = L"кекс", .Products = L"а", .Burn = L"б"}));
    std::vector<MyRecipe> expected = kThree;
    expected.push_back({L"Кекс", L"брашно", L"Пече се."});
    expected.push_back({L"кекс", L"а", L"б"});
    EXPECT_EQ(StoredRecipes(), expected);
    personal::ListNames(table, list);
    EXPECT_EQ(Entries(list), (std::vector<std::wstring>{L"Баница", L"Таратор", L"Мусака", L"Кекс", L"кекс"}));
}

TEST_F(RecipeStoreTest, AnAddThatCannotWriteBesideTheFileNamesTheFolderAndTheCause)
{
    test_support::WriteMyRecipes(kThree);
    data::Connection connection(personal::kAddRecipeConnection);
    data::Table table(connection);
    Open(connection, table);
    // The journal the write keeps beside the file cannot be made: a folder stands in its place.
    const std::filesystem::path folder = std::filesystem::current_path() / L"Data";
    std::filesystem::create_directory(folder / L"pelnor_myrecepies.rec-journal");

    try {
        personal::AddRecipe(connection, table, {.Name = L"Кекс", .Products = L"а", .Burn = L"б"});
        ADD_FAILURE() << "the add passed for done";
    } catch (const data::Error& e) {
        const std::wstring& message = e.Message();
        EXPECT_NE(message.find(L"папката „" + folder.wstring() + L"“"), std::wstring::npos) << base::Narrow(message);
        EXPECT_NE(message.find(L"pelnor_myrecepies.rec-journal"), std::wstring::npos) << base::Narrow(message);
        EXPECT_NE(message.find(L"достъпът е отказан"), std::wstring::npos) << base::Narrow(message);
        EXPECT_EQ(message.find(L"файлът не може да бъде отворен"), std::wstring::npos) << base::Narrow(message);
    }
    std::filesystem::remove(folder / L"pelnor_myrecepies.rec-journal");
    EXPECT_EQ(StoredRecipes(), kThree);
    EXPECT_TRUE(personal::AddRecipe(connection, table, {.Name = L"Кекс", .Products = L"а", .Burn = L"б"}));
    EXPECT_EQ(table.RecordCount(), kThree.size() + 1);
}

TEST_F(RecipeStoreTest, ANameOver50CharactersIsRefusedAndNothingIsStored)
{
    test_support::WriteMyRecipes(kThree);
    data::Connection connection(personal::kAddRecipeConnection);
    data::Table table(connection);
    Open(connection, table);
    try {
        personal::Append(table, {.Name = std::wstring(51, L'я'), .Products = L"а", .Burn = L"б"});
        ADD_FAILURE() << "a 51-character name was taken";
    } catch (const std::exception& e) {
        EXPECT_NE(base::Widen(e.what()).find(L"50"), std::wstring::npos) << e.what();
    }
    EXPECT_EQ(StoredRecipes(), kThree);
    EXPECT_EQ(table.RecordCount(), kThree.size());
}

TEST_F(RecipeStoreTest, TheNameLimitCountsCharactersAsShownAndBrokenCharactersAreRefused)
{
    test_support::WriteMyRecipes({});
    data::Connection connection(personal::kAddRecipeConnection);
    data::Table table(connection);
    Open(connection, table);
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
            personal::Append(table, c.recipe);
            EXPECT_EQ(c.refusal, nullptr) << "stored";
            stored.push_back({c.recipe.Name, c.recipe.Products, c.recipe.Burn});
        } catch (const std::exception& e) {
            ASSERT_NE(c.refusal, nullptr) << e.what();
            EXPECT_NE(base::Widen(e.what()).find(c.refusal), std::wstring::npos) << e.what();
        }
        EXPECT_EQ(StoredRecipes(), stored);
    }
}

TEST_F(RecipeStoreTest, DeleteAtRemovesTheRowOfTheListedEntryAlsoAfterADeleteThroughTheOtherConnection)
{
    test_support::WriteMyRecipes(kThree);
    data::Connection addConnection(personal::kAddRecipeConnection);
    data::Connection myConnection(personal::kMyRecipesConnection);
    data::Table add(addConnection);
    data::Table mine(myConnection);
    Open(addConnection, add);
    Open(myConnection, mine);

    personal::DeleteAt(mine, 0, L"Баница");
    // The other table was read before that delete: its entry 1 is now the file's row 1, "Мусака".
    personal::DeleteAt(add, 1, L"Мусака");
    EXPECT_EQ(StoredRecipes(), (std::vector<MyRecipe>{kThree[1]}));
}

TEST_F(RecipeStoreTest, ADeleteThatFindsAnotherRowOrNoneAtThePlaceRemovesNothingAndFails)
{
    test_support::WriteMyRecipes(kThree);
    data::Connection connection(personal::kMyRecipesConnection);
    data::Table table(connection);
    Open(connection, table);
    // Another program removed the first recipe: entry 1 of an old list now names another row.
    test_support::RunSql(test_support::kMyRecipesFile, "DELETE FROM \"Моите рецепти\" WHERE Name = 'Баница'");

    EXPECT_THROW(personal::DeleteAt(table, 1, L"Таратор"), std::exception);
    EXPECT_THROW(personal::DeleteAt(table, 2, L"Мусака"), std::exception);
    EXPECT_EQ(StoredRecipes(), (std::vector<MyRecipe>{kThree[1], kThree[2]}));
}

TEST_F(RecipeStoreTest, TableDeleteOfARowAlreadyGoneFromTheFileFails)
{
    test_support::WriteMyRecipes(kThree);
    data::Connection connection(personal::kMyRecipesConnection);
    data::Table table(connection);
    Open(connection, table);
    test_support::RunSql(test_support::kMyRecipesFile, "DELETE FROM \"Моите рецепти\" WHERE Name = 'Баница'");
    EXPECT_THROW(table.Delete(), data::Error);
    EXPECT_EQ(StoredRecipes(), (std::vector<MyRecipe>{kThree[1], kThree[2]}));
}

TEST_F(RecipeStoreTest, TheStoreWritesWithARollbackJournalAndFullSync)
{
    test_support::WriteMyRecipes({});
    data::Connection connection(personal::kMyRecipesConnection);
    data::RequireDurableWrites(connection);
    const auto pragma = [&](const char* sql) {
        data::Statement statement(connection.Handle(), sql);
        return statement.Step() ? statement.Text(0).value_or(L"") : L"";
    };
    EXPECT_EQ(pragma("PRAGMA journal_mode"), L"delete");
    EXPECT_EQ(pragma("PRAGMA synchronous"), L"2");
}

}  // namespace
