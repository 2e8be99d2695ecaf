// Reading fields: names regardless of case, values as text, NULLs and missing fields.
#include "data/connection.h"
#include "base/error.h"
#include "data/table.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

class FieldTest : public ::testing::Test {
protected:
    static std::wstring MakeAdvice()
    {
        test_support::MakeDatabase(
            L"съвети.fad",
            "CREATE TABLE \"Мерки\" (ID INTEGER PRIMARY KEY, name TEXT, \"Продукт\" TEXT, \"Грамове\" INTEGER,"
            " \"Дял\" REAL, \"Бележка\" TEXT);"
            "INSERT INTO \"Мерки\" (name, \"Продукт\", \"Грамове\", \"Дял\", \"Бележка\") VALUES"
            " ('брашно', 'Брашно', 140, 0.5, NULL), ('захар', 'Захар', -3, 2.0, 'ред 1\r\nред 2'),"
            " ('сол', 'Сол', 0, 1234.5678, ''), ('ориз', 'Ориз', 9007199254740993, 0.1, 'x');"
            "CREATE TABLE \"Сос \"\"Бешамел\"\"\" (\"Мярка \"\"за\"\" брой\" TEXT);"
            "INSERT INTO \"Сос \"\"Бешамел\"\"\" VALUES ('щипка');");
        return test_support::JetConnectionString(L"съвети.fad");
    }

    data::Table& Measures()
    {
        table_.SetTableName(L"Мерки");
        table_.Open();
        return table_;
    }

    static std::wstring MessageOf(const std::function<void()>& operation)
    {
        try {
            operation();
        } catch (const base::Error& e) {
            return e.Message();
        }
        return L"(no error)";
    }

    test_support::ScratchFolder folder_;
    data::Connection connection_{MakeAdvice()};
    data::Table table_{connection_};
};

TEST_F(FieldTest, NamesMatchRegardlessOfCase)
{
    const std::vector<std::pair<std::wstring, std::wstring>> cases = {
        {L"name", L"брашно"},    {L"NAME", L"брашно"},    {L"nAmE", L"брашно"}, {L"Продукт", L"Брашно"},
        {L"продукт", L"Брашно"}, {L"ПРОДУКТ", L"Брашно"}, {L"пРОДУКт", L"Брашно"}, {L"id", L"1"},
    };
    data::Table& table = Measures();
    for (const auto& [field, value] : cases) {
        EXPECT_TRUE(table.HasField(field)) << field;
        EXPECT_EQ(table.FieldText(field), value) << field;
    }
    EXPECT_FALSE(table.HasField(L"Продукти"));
}

TEST_F(FieldTest, FieldNamesAreTheStoredOnesInOrder)
{
    EXPECT_EQ(Measures().FieldNames(),
              (std::vector<std::wstring>{L"ID", L"name", L"Продукт", L"Грамове", L"Дял", L"Бележка"}));
}

TEST_F(FieldTest, ValuesReadAsTheyAreWritten)
{
    struct Case {
        std::wstring field;
        std::vector<std::wstring> values;  // one per row
    };
    const std::vector<Case> cases = {
        {L"Грамове", {L"140", L"-3", L"0", L"9007199254740993"}},
        {L"Дял", {L"0.5", L"2", L"1234.5678", L"0.1"}},
        {L"Бележка", {L"(null)", L"ред 1\r\nред 2", L"", L"x"}},
    };
    data::Table& table = Measures();
    for (const Case& c : cases) {
        std::size_t row = 0;
        for (table.First(); !table.Eof(); table.Next(), ++row) {
            EXPECT_EQ(table.FieldValue(c.field).value_or(L"(null)"), c.values[row]) << c.field << " row " << row;
            EXPECT_EQ(table.ValueAt(row, c.field).value_or(L"(null)"), c.values[row]) << c.field << " row " << row;
        }
    }
}

TEST_F(FieldTest, NullIsAnErrorToReadButBlankForDisplay)
{
    data::Table& table = Measures();
    EXPECT_EQ(table.FieldValue(L"Бележка"), std::nullopt);
    EXPECT_EQ(MessageOf([&] { table.FieldText(L"бележка"); }), L"Полето „бележка“ в таблицата „Мерки“ няма стойност.");
}

TEST_F(FieldTest, MissingFieldNamesTheFieldAndTheTable)
{
    data::Table& table = Measures();
    const std::wstring expected = L"Полето „Products“ не съществува в таблицата „Мерки“.";
    EXPECT_EQ(MessageOf([&] { table.FieldText(L"Products"); }), expected);
    EXPECT_EQ(MessageOf([&] { table.FieldValue(L"Products"); }), expected);
    EXPECT_EQ(MessageOf([&] { table.ValueAt(0, L"Products"); }), expected);
    table.Insert();
    EXPECT_EQ(MessageOf([&] { table.SetFieldText(L"Products", L"x"); }), expected);
}

TEST_F(FieldTest, NamesWithQuotesAreReadAndWritten)
{
    table_.SetTableName(L"Сос \"Бешамел\"");
    table_.Open();
    EXPECT_EQ(table_.FieldText(L"Мярка \"за\" брой"), L"щипка");
    table_.Insert();
    table_.SetFieldText(L"Мярка \"за\" брой", L"шепа\"; DROP TABLE \"Мерки\"; --");
    table_.Post();
    table_.Refresh();
    EXPECT_EQ(table_.FieldText(L"Мярка \"за\" брой"), L"шепа\"; DROP TABLE \"Мерки\"; --");
    table_.Close();
    EXPECT_EQ(Measures().RecordCount(), 4u);
}

}  // namespace
