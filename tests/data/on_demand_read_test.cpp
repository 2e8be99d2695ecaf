// Values read from the file when asked for: other connections' changes, the last row, an empty
// table, and streaming one field to the end.
#include "data/connection.h"
#include "base/error.h"
#include "data/table.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

class OnDemandReadTest : public ::testing::Test {
protected:
    static std::wstring MakeCatalogue()
    {
        test_support::MakeDatabase(kFile, "CREATE TABLE \"Есен\" (ID INTEGER PRIMARY KEY, name TEXT, Burn TEXT);"
                                          "INSERT INTO \"Есен\" (name, Burn) VALUES ('Гювеч', 'пече се'),"
                                          " ('Кашкавал пане', NULL), ('Пълнени чушки', 'вари се'), ('Мусака', 'пече се');"
                                          "CREATE TABLE \"Празна\" (ID INTEGER PRIMARY KEY, name TEXT);");
        return test_support::JetConnectionString(kFile);
    }

    data::Table& Autumn()
    {
        table_.SetTableName(L"Есен");
        table_.Open();
        return table_;
    }

    // What the table gives from its current row on, and where it is left.
    struct Streamed {
        Names names;
        std::optional<std::wstring> error;
        std::size_t position = 0;
        int notifications = 0;
    };
    Streamed Stream(const wchar_t* field)
    {
        Streamed result;
        const data::Subscription subscription = table_.OnChange([&] { ++result.notifications; });
        try {
            table_.ReadTexts(field, [&](std::wstring text) { result.names.push_back(std::move(text)); });
        } catch (const base::Error& e) {
            result.error = e.Message();
        }
        result.position = table_.Position();
        return result;
    }

    static constexpr const wchar_t* kFile = L"каталог.rec";
    const Names kAutumn{L"Гювеч", L"Кашкавал пане", L"Пълнени чушки", L"Мусака"};
    test_support::ScratchFolder folder_;
    data::Connection connection_{MakeCatalogue()};
    data::Table table_{connection_};
};

TEST_F(OnDemandReadTest, ARowDeletedThroughAnotherConnectionHasNoValuesAndGoesAtRefresh)
{
    data::Table& table = Autumn();
    table.MoveToPosition(1);
    ASSERT_EQ(table.FieldText(L"name"), kAutumn[1]);
    // The read above must not keep the file locked against the other connection.
    test_support::RunSql(kFile, "DELETE FROM \"Есен\" WHERE name = 'Кашкавал пане'");

    try {
        table.FieldText(L"name");
        ADD_FAILURE() << "read a deleted row";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Message(), L"Записът е изтрит от таблицата „Есен“ след последното ѝ прочитане.");
    }
    EXPECT_EQ(table.FieldValue(L"name"), std::nullopt);
    EXPECT_EQ(table.ValueAt(1, L"name"), std::nullopt);
    EXPECT_EQ(table.ValueAt(2, L"name"), kAutumn[2]) << "the other rows keep their places until Refresh";
    EXPECT_EQ(table.RecordCount(), kAutumn.size());

    table.Refresh();
    EXPECT_EQ(table.RecordCount(), kAutumn.size() - 1);
    EXPECT_EQ(table.FieldText(L"name"), kAutumn[2]);
}

TEST_F(OnDemandReadTest, AValueChangedThroughAnotherConnectionIsReadAsItIsNow)
{
    data::Table& table = Autumn();
    table.MoveToPosition(3);
    ASSERT_EQ(table.FieldText(L"Burn"), L"пече се");
    test_support::RunSql(kFile, "UPDATE \"Есен\" SET Burn = 'пече се 40 минути' WHERE name = 'Мусака';"
                                "UPDATE \"Есен\" SET Burn = NULL WHERE name = 'Гювеч';");
    EXPECT_EQ(table.FieldText(L"Burn"), L"пече се 40 минути");
    EXPECT_EQ(table.ValueAt(0, L"Burn"), std::nullopt);
    EXPECT_EQ(table.ValueAt(3, L"Burn"), L"пече се 40 минути");
}

TEST_F(OnDemandReadTest, ViewsFollowingAMoveReadTheNewRowAndLaterReadsReadTheFileAgain)
{
    data::Table& table = Autumn();
    std::vector<std::pair<std::optional<std::wstring>, std::optional<std::wstring>>> shown;
    const data::Subscription views = table.OnChange([&] { shown.emplace_back(table.FieldValue(L"name"), table.FieldValue(L"Burn")); });
    table.MoveToPosition(3);
    table.MoveToPosition(1);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], std::pair(std::optional<std::wstring>(L"Мусака"), std::optional<std::wstring>(L"пече се")));
    EXPECT_EQ(shown[1], std::pair(std::optional<std::wstring>(L"Кашкавал пане"), std::optional<std::wstring>()));
    // The reads above must not keep the file locked against the other connection, nor keep old values.
    test_support::RunSql(kFile, "UPDATE \"Есен\" SET Burn = 'пържи се' WHERE name = 'Кашкавал пане'");
    EXPECT_EQ(table.FieldValue(L"Burn"), L"пържи се");
    table.MoveToPosition(1);
    EXPECT_EQ(shown.back().second, L"пържи се");
}

TEST_F(OnDemandReadTest, TheLastRowIsReadAndNothingBeyondIt)
{
    data::Table& table = Autumn();
    const std::size_t last = kAutumn.size() - 1;
    table.MoveToPosition(last);
    EXPECT_EQ(table.FieldText(L"name"), kAutumn[last]);
    EXPECT_EQ(table.ValueAt(last, L"name"), kAutumn[last]);
    EXPECT_THROW(table.ValueAt(last + 1, L"name"), base::Error);
    table.Next();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.FieldValue(L"name"), std::nullopt);
}

TEST_F(OnDemandReadTest, AnEmptyTableHasNoValuesAndStreamsNothing)
{
    table_.SetTableName(L"Празна");
    table_.Open();
    EXPECT_THROW(table_.ValueAt(0, L"name"), base::Error);
    const Streamed streamed = Stream(L"name");
    EXPECT_EQ(streamed.names, Names{});
    EXPECT_EQ(streamed.error, std::nullopt);
    EXPECT_TRUE(table_.Eof());
}

TEST_F(OnDemandReadTest, StreamingGivesWhatFieldTextAndNextGiveAndEndsAtTheEnd)
{
    for (const std::size_t from : {0u, 2u, 4u}) {
        Autumn();
        table_.MoveToPosition(from);
        const Streamed streamed = Stream(L"NAME");
        EXPECT_EQ(streamed.names, Names(kAutumn.begin() + static_cast<std::ptrdiff_t>(from), kAutumn.end())) << from;
        EXPECT_EQ(streamed.error, std::nullopt) << from;
        EXPECT_EQ(streamed.position, kAutumn.size()) << from;
        EXPECT_TRUE(table_.Eof()) << from;
        EXPECT_EQ(streamed.notifications, from < kAutumn.size() ? 1 : 0) << from;
        table_.Close();
    }
}

TEST_F(OnDemandReadTest, StreamingStopsAtANullValueOnThatRow)
{
    Autumn();
    const Streamed streamed = Stream(L"Burn");
    EXPECT_EQ(streamed.names, Names{L"пече се"});
    EXPECT_EQ(streamed.error, L"Полето „Burn“ в таблицата „Есен“ няма стойност.");
    EXPECT_EQ(streamed.position, 1u);
    EXPECT_EQ(table_.FieldText(L"name"), kAutumn[1]);
    EXPECT_EQ(table_.RecordCount(), kAutumn.size());
}

TEST_F(OnDemandReadTest, StreamingStopsWhereTheSinkFailsOnThatRow)
{
    Autumn();
    int calls = 0;
    EXPECT_THROW(table_.ReadTexts(L"name",
                                  [&](const std::wstring&) {
                                      if (++calls == 3)
                                          throw std::runtime_error("full");
                                  }),
                 std::runtime_error);
    EXPECT_EQ(calls, 3) << "no value is passed on after the failure";
    EXPECT_EQ(table_.Position(), 2u);
    EXPECT_EQ(table_.RecordCount(), kAutumn.size());
}

TEST_F(OnDemandReadTest, StreamingTakesTheRowsAsTheFileHasThemSoPositionsLineUp)
{
    Autumn();
    test_support::RunSql(kFile, "DELETE FROM \"Есен\" WHERE name = 'Кашкавал пане';"
                                "INSERT INTO \"Есен\" (name) VALUES ('Тиквеник');");
    const Streamed streamed = Stream(L"name");
    const Names expected{L"Гювеч", L"Пълнени чушки", L"Мусака", L"Тиквеник"};
    EXPECT_EQ(streamed.names, expected);
    EXPECT_EQ(table_.RecordCount(), expected.size());
    for (std::size_t position = 0; position < expected.size(); ++position) {
        table_.MoveToPosition(position);
        EXPECT_EQ(table_.FieldText(L"name"), expected[position]) << position;
    }
}

}  // namespace
