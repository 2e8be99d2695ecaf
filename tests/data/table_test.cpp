// Table: stored order, movement, deleting, inserting, refreshing and change notifications.
#include "data/connection.h"
#include "base/error.h"
#include "data/table.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

class TableTest : public ::testing::Test {
protected:
    static std::wstring MakeCatalogue()
    {
        test_support::MakeDatabase(kFile,
                                   std::string("CREATE TABLE \"Супи\" (ID INTEGER PRIMARY KEY, name TEXT, Products TEXT);") +
                                       kSoups +
                                       "CREATE TABLE \"Празна\" (ID INTEGER PRIMARY KEY, name TEXT);");
        return test_support::JetConnectionString(kFile);
    }

    static Names ReadNames(data::Table& table)
    {
        Names names;
        for (table.First(); !table.Eof(); table.Next())
            names.push_back(table.FieldText(L"name"));
        return names;
    }

    data::Table& Soups()
    {
        table_.SetTableName(L"Супи");
        table_.Open();
        return table_;
    }

    static void MoveTo(data::Table& table, std::size_t position)
    {
        table.First();
        while (table.Position() < position)
            table.Next();
    }

    static constexpr const wchar_t* kFile = L"рецепти.rec";
    // Deliberately not alphabetical: the order must be the stored one, not a sorted one.
    static constexpr const char* kSoups =
        "INSERT INTO \"Супи\" (name) VALUES ('Таратор'), ('Боб чорба'), ('Леща'), ('Агнешка чорба');";
    const Names kStored{L"Таратор", L"Боб чорба", L"Леща", L"Агнешка чорба"};
    test_support::ScratchFolder folder_;
    data::Connection connection_{MakeCatalogue()};
    data::Table table_{connection_};
};

TEST_F(TableTest, ListsRowsInStoredOrderOnEveryPass)
{
    data::Table& table = Soups();
    EXPECT_EQ(table.RecordCount(), kStored.size());
    EXPECT_EQ(table.FieldText(L"name"), kStored.front()) << "the first row is current after Open";
    EXPECT_EQ(ReadNames(table), kStored);
    EXPECT_EQ(ReadNames(table), kStored);
    table.Close();
    table.Open();
    EXPECT_EQ(ReadNames(table), kStored);
}

TEST_F(TableTest, KeepsStoredOrderAfterDeletingAndInsertingAgain)
{
    data::Table& table = Soups();
    MoveTo(table, 1);
    table.Delete();
    table.Insert();
    table.SetFieldText(L"name", L"Боб чорба");
    table.Post();
    const Names expected{L"Таратор", L"Леща", L"Агнешка чорба", L"Боб чорба"};
    EXPECT_EQ(ReadNames(table), expected);
    table.Refresh();
    EXPECT_EQ(ReadNames(table), expected);

    data::Table again(connection_);
    again.SetTableName(L"Супи");
    again.Open();
    EXPECT_EQ(ReadNames(again), expected);
}

TEST_F(TableTest, OpensATableNamedInAnotherCase)
{
    table_.SetTableName(L"сУПИ");
    table_.Open();
    EXPECT_EQ(ReadNames(table_), kStored);
}

TEST_F(TableTest, EmptyTableIsAtItsEnd)
{
    table_.SetTableName(L"Празна");
    table_.Open();
    EXPECT_EQ(table_.RecordCount(), 0u);
    EXPECT_TRUE(table_.Eof());
    table_.First();
    EXPECT_TRUE(table_.Eof());
    EXPECT_EQ(table_.FieldValue(L"name"), std::nullopt);
    EXPECT_THROW(table_.FieldText(L"name"), base::Error);
    EXPECT_THROW(table_.Delete(), base::Error);
}

TEST_F(TableTest, NextFromTheLastRowReachesTheEndAndStaysThere)
{
    data::Table& table = Soups();
    MoveTo(table, kStored.size() - 1);
    EXPECT_FALSE(table.Eof());
    table.Next();
    EXPECT_TRUE(table.Eof());
    table.Next();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.Position(), kStored.size());
    try {
        table.FieldText(L"name");
        ADD_FAILURE() << "no current row at the end";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Message(), L"Таблицата „Супи“ няма текущ запис.");
    }
}

TEST_F(TableTest, MissingTableNamesTheTableAndTheFile)
{
    table_.SetTableName(L"Несъществуваща");
    try {
        table_.Open();
        ADD_FAILURE() << "opened a missing table";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Message(), L"Таблицата „Несъществуваща“ не съществува в „" + connection_.FullPath() + L"“.");
    }
    EXPECT_FALSE(table_.Active());
}

TEST_F(TableTest, ClosedTableRefusesWhatNeedsRows)
{
    const std::vector<std::pair<const char*, std::function<void(data::Table&)>>> operations = {
        {"First", [](data::Table& t) { t.First(); }},
        {"Next", [](data::Table& t) { t.Next(); }},
        {"Eof", [](data::Table& t) { t.Eof(); }},
        {"RecordCount", [](data::Table& t) { t.RecordCount(); }},
        {"Position", [](data::Table& t) { t.Position(); }},
        {"FieldText", [](data::Table& t) { t.FieldText(L"name"); }},
        {"FieldValue", [](data::Table& t) { t.FieldValue(L"name"); }},
        {"ValueAt", [](data::Table& t) { t.ValueAt(0, L"name"); }},
        {"HasField", [](data::Table& t) { t.HasField(L"name"); }},
        {"FieldNames", [](data::Table& t) { t.FieldNames(); }},
        {"Insert", [](data::Table& t) { t.Insert(); }},
        {"Post", [](data::Table& t) { t.Post(); }},
        {"Delete", [](data::Table& t) { t.Delete(); }},
        {"Refresh", [](data::Table& t) { t.Refresh(); }},
    };
    table_.SetTableName(L"Супи");
    for (const bool was_open : {false, true}) {
        if (was_open) {
            table_.Open();
            table_.Close();
        }
        for (const auto& [name, operation] : operations) {
            try {
                operation(table_);
                ADD_FAILURE() << name << " worked on a closed table";
            } catch (const base::Error& e) {
                EXPECT_EQ(e.Message(), L"Таблицата „Супи“ не е отворена.") << name;
            }
        }
    }
}

TEST_F(TableTest, OpenTableKeepsItsNameAndPlace)
{
    data::Table& table = Soups();
    table.Next();
    table.SetTableName(L"Супи");
    table.SetTableName(L"СУПИ");
    EXPECT_TRUE(table.Active());
    EXPECT_EQ(table.Position(), 1u);

    EXPECT_THROW(table.SetTableName(L"Празна"), base::Error);
    EXPECT_EQ(table.TableName(), L"Супи");
    EXPECT_EQ(table.FieldText(L"name"), kStored[1]);

    table.Close();
    table.SetTableName(L"Празна");
    table.Open();
    EXPECT_EQ(table.RecordCount(), 0u);
}

TEST_F(TableTest, DeleteRemovesTheRowAndMovesToTheNextOrTheNewLast)
{
    struct Case {
        std::size_t position;
        Names left;
        std::wstring current;
    };
    const std::vector<Case> cases = {
        {0, {L"Боб чорба", L"Леща", L"Агнешка чорба"}, L"Боб чорба"},
        {2, {L"Таратор", L"Боб чорба", L"Агнешка чорба"}, L"Агнешка чорба"},
        {3, {L"Таратор", L"Боб чорба", L"Леща"}, L"Леща"},
    };
    for (const Case& c : cases) {
        test_support::RunSql(kFile, std::string("DELETE FROM \"Супи\";") + kSoups);
        data::Table& table = Soups();
        MoveTo(table, c.position);
        table.Delete();
        EXPECT_EQ(table.FieldText(L"name"), c.current) << c.position;
        EXPECT_EQ(table.RecordCount(), c.left.size());
        EXPECT_EQ(ReadNames(table), c.left) << c.position;
        table.Close();
        table.Open();
        EXPECT_EQ(ReadNames(table), c.left) << "deleted from the file, position " << c.position;
        table.Close();
    }
}

TEST_F(TableTest, DeletingTheOnlyRowLeavesTheTableAtItsEnd)
{
    test_support::RunSql(kFile, "INSERT INTO \"Празна\" (name) VALUES ('Самотна');");
    table_.SetTableName(L"Празна");
    table_.Open();
    table_.Delete();
    EXPECT_TRUE(table_.Eof());
    EXPECT_EQ(table_.RecordCount(), 0u);
}

TEST_F(TableTest, RefreshStaysOnTheSameRowWherePossible)
{
    struct Case {
        const char* what;
        std::size_t position;
        const char* other_change;
        std::size_t expected_position;
        std::wstring expected_current;  // empty: at the end
    };
    const std::vector<Case> cases = {
        {"an earlier row went", 2, "DELETE FROM \"Супи\" WHERE name = 'Таратор'", 1, L"Леща"},
        {"the current row went", 1, "DELETE FROM \"Супи\" WHERE name = 'Боб чорба'", 1, L"Леща"},
        {"the current last row went", 3, "DELETE FROM \"Супи\" WHERE name = 'Агнешка чорба'", 2, L"Леща"},
        {"a row was added", 1, "INSERT INTO \"Супи\" (name) VALUES ('Шкембе чорба')", 1, L"Боб чорба"},
        {"at the end", 4, "INSERT INTO \"Супи\" (name) VALUES ('Шкембе чорба')", 5, L""},
    };
    for (const Case& c : cases) {
        test_support::RunSql(kFile, std::string("DELETE FROM \"Супи\";") + kSoups);
        data::Table& table = Soups();
        MoveTo(table, c.position);
        test_support::RunSql(kFile, c.other_change);
        table.Refresh();
        EXPECT_EQ(table.Position(), c.expected_position) << c.what;
        EXPECT_EQ(table.FieldValue(L"name").value_or(L""), c.expected_current) << c.what;
        table.Close();
    }
}

TEST_F(TableTest, RefreshOfAnEmptyTableThatGotRowsStartsAtTheFirst)
{
    table_.SetTableName(L"Празна");
    table_.Open();
    test_support::RunSql(kFile, "INSERT INTO \"Празна\" (name) VALUES ('Нова');");
    table_.Refresh();
    EXPECT_EQ(table_.FieldText(L"name"), L"Нова");
}

TEST_F(TableTest, PostStoresTheRowWithItsIdAtTheEnd)
{
    data::Table& table = Soups();
    table.Insert();
    table.SetFieldText(L"NAME", L"Първа проба");
    table.SetFieldText(L"name", L"Крем супа");
    table.Post();

    EXPECT_EQ(table.RecordCount(), kStored.size() + 1);
    EXPECT_EQ(table.Position(), kStored.size()) << "the new row is current";
    EXPECT_EQ(table.FieldText(L"ID"), std::to_wstring(kStored.size() + 1));
    EXPECT_EQ(table.FieldText(L"name"), L"Крем супа");
    EXPECT_EQ(table.FieldValue(L"Products"), std::nullopt) << "fields not set stay empty";

    data::Table again(connection_);
    again.SetTableName(L"Супи");
    again.Open();
    Names expected = kStored;
    expected.push_back(L"Крем супа");
    EXPECT_EQ(ReadNames(again), expected);
}

TEST_F(TableTest, PostWithoutFieldsStoresAnEmptyRow)
{
    data::Table& table = Soups();
    table.Insert();
    table.Post();
    EXPECT_EQ(table.FieldText(L"ID"), std::to_wstring(kStored.size() + 1));
    EXPECT_EQ(table.FieldValue(L"name"), std::nullopt);
}

TEST_F(TableTest, SettingFieldsNeedsAnInsert)
{
    data::Table& table = Soups();
    try {
        table.SetFieldText(L"name", L"Без добавяне");
        ADD_FAILURE() << "set a field outside an insert";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Message(), L"В таблицата „Супи“ не се добавя запис.");
    }
    EXPECT_THROW(table.Post(), base::Error);
    EXPECT_EQ(table.RecordCount(), kStored.size());
}

TEST_F(TableTest, NotifiesObserversOfEveryChange)
{
    const std::vector<std::pair<const char*, std::function<void(data::Table&)>>> operations = {
        {"Open", [](data::Table& t) { t.Open(); }},
        {"Next", [](data::Table& t) { t.Next(); }},
        {"First", [](data::Table& t) { t.First(); }},
        {"Post",
         [](data::Table& t) {
             t.Insert();
             t.SetFieldText(L"name", L"Нова");
             t.Post();
         }},
        {"Delete", [](data::Table& t) { t.Delete(); }},
        {"Refresh", [](data::Table& t) { t.Refresh(); }},
        {"Close", [](data::Table& t) { t.Close(); }},
    };
    table_.SetTableName(L"Супи");
    int calls = 0;
    const data::Subscription subscription = table_.OnChange([&] { ++calls; });
    for (const auto& [name, operation] : operations) {
        calls = 0;
        operation(table_);
        EXPECT_EQ(calls, 1) << name;
    }
}

TEST_F(TableTest, ObserverThatDroppedItsSubscriptionIsNotCalled)
{
    int calls = 0;
    data::Subscription subscription = table_.OnChange([&] { ++calls; });
    data::Subscription moved = std::move(subscription);
    Soups();
    EXPECT_EQ(calls, 1) << "a moved subscription still delivers, once";
    moved.Reset();
    table_.Next();
    {
        const data::Subscription scoped = table_.OnChange([&] { ++calls; });
    }
    table_.Next();
    EXPECT_EQ(calls, 1);
}

}  // namespace
