// Opening database files from connection strings, and two connections sharing one file.
#include "data/connection.h"
#include "data/connection_string.h"
#include "base/error.h"
#include "data/messages.h"
#include "data/table.h"
#include "support/scratch_folder.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using test_support::JetConnectionString;
using test_support::MakeDatabase;
using test_support::ScratchFolder;

TEST(ConnectionStringTest, FindsValuesByKey)
{
    struct Case {
        std::wstring text;
        std::wstring key;
        std::optional<std::wstring> value;
    };
    const std::vector<Case> cases = {
        {L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Data\\x.rec;Persist Security Info=False", L"Data Source",
         L"Data\\x.rec"},
        {L"Provider=P;Data Source=x.rec", L"DATA SOURCE", L"x.rec"},
        {L"  Provider = P ;  Data Source =  a b.rec  ;", L"Provider", L"P"},
        {L"  Provider = P ;  Data Source =  a b.rec  ;", L"Data Source", L"a b.rec"},
        {L"Data Source=\"a;b.rec\";Provider=P", L"Data Source", L"a;b.rec"},
        {L"Data Source=\"a;b.rec\";Provider=P", L"Provider", L"P"},
        {L"Jet OLEDB:Data Source=y.rec;Provider=P", L"Data Source", std::nullopt},
        {L"Provider=P;;Data Source=", L"Data Source", L""},
        {L"Provider", L"Provider", std::nullopt},
        {L"", L"Provider", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(data::ConnectionStringValue(c.text, c.key), c.value) << c.text << " / " << c.key;
}

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(L"Data");
        MakeDatabase(L"Data\\рецепти.rec",
                     "CREATE TABLE \"Супи\" (ID INTEGER PRIMARY KEY, name TEXT);"
                     "INSERT INTO \"Супи\" (name) VALUES ('Таратор'), ('Боб чорба'), ('Леща');");
    }

    ScratchFolder folder_;
};

std::vector<std::wstring> Names(data::Table& table)
{
    std::vector<std::wstring> names;
    for (table.First(); !table.Eof(); table.Next())
        names.push_back(table.FieldText(L"name"));
    return names;
}

TEST_F(ConnectionTest, OpensTheDataSourceRelativeToTheCurrentFolder)
{
    const std::vector<std::wstring> connection_strings = {
        L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Data\\рецепти.rec;Persist Security Info=False",
        L"provider=MICROSOFT.JET.OLEDB.4.0;data source=Data\\рецепти.rec",
        L" Data Source = Data\\рецепти.rec ; Jet OLEDB:Engine Type=5; Provider = Microsoft.Jet.OLEDB.4.0 ",
        L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=.\\Data\\..\\Data\\рецепти.rec",
    };
    const std::wstring expected = (std::filesystem::current_path() / L"Data" / L"рецепти.rec").wstring();
    for (const std::wstring& text : connection_strings) {
        const data::Connection connection(text);
        EXPECT_EQ(connection.FullPath(), expected) << text;
        EXPECT_NE(connection.Handle(), nullptr);
    }
}

std::wstring FailureOf(const std::wstring& connection_string)
{
    try {
        const data::Connection connection(connection_string);
    } catch (const base::Error& e) {
        return e.Message();
    }
    return L"(no error)";
}

TEST_F(ConnectionTest, RefusesWithAMessageNamingTheCause)
{
    {
        std::ofstream text(L"бележки.rec", std::ios::binary);
        text << "This is a note about soups, not a database. It is long enough to fill SQLite's header.\r\n";
    }
    std::ofstream(L"празен.rec", std::ios::binary).close();
    const std::wstring here = std::filesystem::current_path().wstring();
    struct Case {
        std::wstring connection_string;
        std::vector<std::wstring> message_parts;
    };
    const std::vector<Case> cases = {
        {L"Provider=SQLOLEDB;Data Source=Data\\рецепти.rec", {L"Доставчикът „SQLOLEDB“ не се поддържа."}},
        {L"Provider=Microsoft.Jet.OLEDB.3.51;Data Source=Data\\рецепти.rec", {L"„Microsoft.Jet.OLEDB.3.51“"}},
        {L"Data Source=Data\\рецепти.rec", {L"Доставчикът „“ не се поддържа."}},
        {L"Provider=Microsoft.Jet.OLEDB.4.0", {L"Data Source"}},
        {JetConnectionString(L"Data\\липсва.rec"), {L"Файлът „" + here + L"\\Data\\липсва.rec“ не е намерен."}},
        {JetConnectionString(L"Data"), {L"Файлът „" + here + L"\\Data“ не е намерен."}},
        {JetConnectionString(L"бележки.rec"),
         {L"Файлът „" + here + L"\\бележки.rec“ не е база данни или е повреден (файлът не е база данни)."}},
        {JetConnectionString(L"празен.rec"), {L"Файлът „" + here + L"\\празен.rec“ е празен: не е база данни или е повреден."}},
    };
    for (const Case& c : cases) {
        const std::wstring message = FailureOf(c.connection_string);
        for (const std::wstring& part : c.message_parts)
            EXPECT_NE(message.find(part), std::wstring::npos) << c.connection_string << "\n" << message;
    }
}

std::wstring FailureReading(const std::wstring& file)
{
    try {
        data::Connection connection(JetConnectionString(file));
        data::Table table(connection);
        table.SetTableName(L"Супи");
        table.Open();
        Names(table);
    } catch (const base::Error& e) {
        return e.Message();
    }
    return L"(no error)";
}

TEST_F(ConnectionTest, SaysTheCommonDatabaseFaultsInBulgarian)
{
    const std::wstring path = (std::filesystem::current_path() / L"Data" / L"рецепти.rec").wstring();
    {
        // Another program holds the file for writing.
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open("Data/рецепти.rec", &other), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_EQ(FailureReading(L"Data\\рецепти.rec"),
                  L"Грешка при работа с „" + path + L"“: файлът е зает или заключен от друга програма.");
        sqlite3_close(other);
    }
    {
        // The table's page is damaged: its page type byte is not one SQLite writes.
        std::fstream file(std::filesystem::path(path), std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(4096);
        file.put('\0');
    }
    EXPECT_EQ(FailureReading(L"Data\\рецепти.rec"), L"Грешка при работа с „" + path + L"“: файлът е повреден.");
}

TEST_F(ConnectionTest, ATableWithoutRowNumbersIsToldInBulgarian)
{
    MakeDatabase(L"Data\\без-номера.rec", "CREATE TABLE \"Супи\" (name TEXT PRIMARY KEY) WITHOUT ROWID;"
                                         "INSERT INTO \"Супи\" VALUES ('Таратор');");
    const std::wstring path = (std::filesystem::current_path() / L"Data" / L"без-номера.rec").wstring();
    EXPECT_EQ(FailureReading(L"Data\\без-номера.rec"),
              L"Грешка при работа с „" + path +
                  L"“: записите на таблицата нямат вътрешни номера (rowid), по които програмата ги различава.");
}

TEST(DatabaseMessagesTest, EveryReasonIsInBulgarian)
{
    const auto latin = [](const std::wstring& text) {
        return std::ranges::any_of(text, [](wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); });
    };
    std::vector<int> codes{SQLITE_IOERR_WRITE, SQLITE_IOERR_DELETE, SQLITE_CANTOPEN_ISDIR, SQLITE_CONSTRAINT_UNIQUE, 300};
    for (int code = 1; code <= 28; ++code)
        codes.push_back(code);
    for (const int code : codes) {
        const std::wstring reason = data::messages::Reason(code, L"near \"x\": syntax error");
        EXPECT_FALSE(reason.empty()) << code;
        EXPECT_FALSE(latin(reason)) << code << ": " << base::Narrow(reason);
    }
    EXPECT_EQ(data::messages::Reason(SQLITE_ERROR, L"no such table: Супи"), L"във файла няма таблица „Супи“");
    EXPECT_EQ(data::messages::Reason(SQLITE_ERROR, L"no such column: Име"), L"в таблицата няма поле „Име“");
}

TEST_F(ConnectionTest, NeverCreatesAMissingFile)
{
    EXPECT_THROW(data::Connection(JetConnectionString(L"липсва.rec")), base::Error);
    EXPECT_FALSE(std::filesystem::exists(L"липсва.rec"));
}

TEST_F(ConnectionTest, ReadsAReadOnlyFile)
{
    const std::wstring path = L"Data\\рецепти.rec";
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        data::Connection connection(JetConnectionString(path));
        data::Table table(connection);
        table.SetTableName(L"Супи");
        table.Open();
        EXPECT_EQ(Names(table), (std::vector<std::wstring>{L"Таратор", L"Боб чорба", L"Леща"}));
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ConnectionTest, TwoConnectionsOnOneFileSeeEachOthersChanges)
{
    data::Connection first_connection(JetConnectionString(L"Data\\рецепти.rec"));
    data::Connection second_connection(JetConnectionString(L"Data\\рецепти.rec"));
    data::Table first(first_connection);
    data::Table second(second_connection);
    first.SetTableName(L"Супи");
    second.SetTableName(L"Супи");
    first.Open();
    second.Open();

    first.Next();
    first.Delete();
    EXPECT_EQ(second.RecordCount(), 3u) << "a snapshot changes only when refreshed";
    second.Refresh();
    EXPECT_EQ(Names(second), (std::vector<std::wstring>{L"Таратор", L"Леща"}));

    second.Insert();
    second.SetFieldText(L"name", L"Пилешка супа");
    second.Post();
    first.Refresh();
    EXPECT_EQ(Names(first), (std::vector<std::wstring>{L"Таратор", L"Леща", L"Пилешка супа"}));
}

}  // namespace
