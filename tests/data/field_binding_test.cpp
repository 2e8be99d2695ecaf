// FieldBinding: a field-bound view follows its table and blanks when there is nothing to show.
#include "data/connection.h"
#include "base/error.h"
#include "data/field_binding.h"
#include "data/table.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Shown = std::vector<std::wstring>;

class FieldBindingTest : public ::testing::Test {
protected:
    static std::wstring MakeCatalogue()
    {
        test_support::MakeDatabase(L"рецепти.rec",
                                   "CREATE TABLE \"Супи\" (ID INTEGER PRIMARY KEY, name TEXT, Products TEXT);"
                                   "INSERT INTO \"Супи\" (name, Products) VALUES ('Таратор', 'краставици'),"
                                   " ('Боб чорба', NULL), ('Леща', 'леща');");
        return test_support::JetConnectionString(L"рецепти.rec");
    }

    test_support::ScratchFolder folder_;
    data::Connection connection_{MakeCatalogue()};
    data::Table table_{connection_};
    Shown shown_;
    data::FieldBinding binding_{[this](const std::wstring& text) { shown_.push_back(text); }};

    void SetUp() override { table_.SetTableName(L"Супи"); }
};

TEST_F(FieldBindingTest, FollowsTheTableAndBlanksWhereThereIsNoValue)
{
    table_.Open();
    binding_.Bind(table_, L"PRODUCTS");
    table_.Next();
    table_.Next();
    table_.Next();
    table_.First();
    table_.Delete();
    table_.Close();
    EXPECT_EQ(shown_, (Shown{L"краставици", L"", L"леща", L"", L"краставици", L"", L""}))
        << "Боб чорба has no products; the end and a closed table show nothing";
}

TEST_F(FieldBindingTest, BoundBeforeOpenShowsOnceOpened)
{
    binding_.Bind(table_, L"name");
    table_.Open();
    EXPECT_EQ(shown_, (Shown{L"", L"Таратор"}));
}

TEST_F(FieldBindingTest, BindingAgainToTheSameFieldShowsNothingNew)
{
    table_.Open();
    binding_.Bind(table_, L"name");
    binding_.Bind(table_, L"name");
    table_.Next();
    binding_.Bind(table_, L"name");
    binding_.Bind(table_, L"Products");
    EXPECT_EQ(shown_, (Shown{L"Таратор", L"Боб чорба", L""})) << "only a move or another field shows again";
}

TEST_F(FieldBindingTest, MissingFieldFailsAtBinding)
{
    table_.Open();
    try {
        binding_.Bind(table_, L"Burn");
        ADD_FAILURE() << "bound to a missing field";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Message(), L"Полето „Burn“ не съществува в таблицата „Супи“.");
    }
    table_.Next();
    EXPECT_TRUE(shown_.empty());
}

TEST_F(FieldBindingTest, BlanksAndStopsFollowingWhenUnbound)
{
    const std::vector<std::pair<const char*, std::function<void(data::FieldBinding&, data::Table&)>>> unbinds = {
        {"empty field name", [](data::FieldBinding& b, data::Table& t) { b.Bind(t, L""); }},
        {"Unbind", [](data::FieldBinding& b, data::Table&) { b.Unbind(); }},
    };
    table_.Open();
    for (const auto& [name, unbind] : unbinds) {
        binding_.Bind(table_, L"name");
        shown_.clear();
        unbind(binding_, table_);
        table_.Next();
        EXPECT_EQ(shown_, Shown{L""}) << name;
    }
}

TEST_F(FieldBindingTest, EachBindingFollowsItsOwnField)
{
    Shown names;
    data::FieldBinding name_binding([&](const std::wstring& text) { names.push_back(text); });
    table_.Open();
    name_binding.Bind(table_, L"name");
    binding_.Bind(table_, L"Products");
    table_.Next();
    EXPECT_EQ(names, (Shown{L"Таратор", L"Боб чорба"}));
    EXPECT_EQ(shown_, (Shown{L"краставици", L""}));
}

TEST_F(FieldBindingTest, ABindingGoneBeforeItsTableIsNotCalled)
{
    int calls = 0;
    {
        data::FieldBinding short_lived([&](const std::wstring&) { ++calls; });
        short_lived.Bind(table_, L"name");
    }
    table_.Open();
    EXPECT_EQ(calls, 1);
}

}  // namespace
