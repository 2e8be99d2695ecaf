// The catalogue's search index: built from the catalogue's tables, found current or outdated by
// the catalogue's fingerprint, searched with name matches first, and stopped when asked.
#include "catalogue/search_query.h"
#include "data/connection.h"
#include "data/search_index.h"
#include "support/catalogue_db.h"
#include "support/scratch_folder.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using data::SearchIndex;
using test_support::CatalogueTable;
using test_support::RecipeRow;
using base::Narrow;

constexpr wchar_t kCatalogue[] = L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Data\\pelnor_recepies.rec";
// A table the catalogue lacks and one without the recipe fields are left out.
const std::vector<std::wstring> kTables{L"Пролет", L"Лято", L"Без полета", L"Няма такава"};

class SearchIndexTest : public ::testing::Test {
protected:
    SearchIndexTest()
    {
        test_support::WriteCatalogue({
            CatalogueTable{L"Пролет",
                           {{L"Салата", L"тиква\r\nорехи", L"Смесва се."},
                            {L"Тиквеник", L"кори", L"Пече се."},
                            {L"Супа", L"вода", L"Добавя се тиквата."},
                            {L"Боб", L"боб", L"Вари се."}}},
            CatalogueTable{L"Лято", {{L"Тиквички", std::wstring(L"тиквички"), L"Пържат се."}}},
            CatalogueTable{L"Без полета", {{L"Тиква", L"", L""}}, {L"name", L"Other", L"Burn"}},
        });
        catalogue.emplace(kCatalogue);
        path = data::SearchIndexPath(catalogue->FullPath());
    }

    bool Build(const data::StopRequested& stop = [] { return false; })
    {
        return SearchIndex::Build(*catalogue, kTables, path, data::CatalogueFingerprint(catalogue->FullPath()),
                                  [this](std::int64_t done, std::int64_t total) { reports.emplace_back(done, total); }, stop);
    }

    std::unique_ptr<SearchIndex> Current() const
    {
        return SearchIndex::OpenCurrent(path, data::CatalogueFingerprint(catalogue->FullPath()));
    }

    // "table ordinal part" for each hit, best first.
    static std::vector<std::string> Found(SearchIndex& index, const wchar_t* query)
    {
        std::vector<std::string> found;
        const auto hits = index.Search(catalogue::MatchExpression(catalogue::ParseQuery(query)), 50, [] { return false; });
        for (const auto& hit : hits.value())
            found.push_back(Narrow(hit.place.table) + " " + std::to_string(hit.place.ordinal) + " " + std::to_string(hit.part));
        return found;
    }

    test_support::ScratchFolder folder;
    std::optional<data::Connection> catalogue;
    std::wstring path;
    std::vector<std::pair<std::int64_t, std::int64_t>> reports;
};

TEST_F(SearchIndexTest, LivesBesideTheCatalogue)
{
    EXPECT_EQ(std::filesystem::path(path).filename().wstring(), L"pelnor_recepies.idx");
    EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(catalogue->FullPath()).parent_path());
    EXPECT_EQ(data::SearchIndexPath(L"C:\\a.b\\catalogue"), L"C:\\a.b\\catalogue.idx");
}

TEST_F(SearchIndexTest, FindsNameMatchesFirstThenIngredientsThenMethod)
{
    ASSERT_TRUE(Build());
    const auto index = Current();
    ASSERT_TRUE(index);
    auto found = Found(*index, L"тикв");
    ASSERT_EQ(found.size(), 4u);
    // The two name matches in either order, then the ingredient match, then the method one.
    std::sort(found.begin(), found.begin() + 2);
    EXPECT_EQ(found,
              (std::vector<std::string>{Narrow(L"Лято 0 0"), Narrow(L"Пролет 1 0"), Narrow(L"Пролет 0 1"), Narrow(L"Пролет 2 2")}));
    EXPECT_EQ(Found(*index, L"ТИКВА ОРЕХИ"), (std::vector<std::string>{Narrow(L"Пролет 0 1")}));
    EXPECT_EQ(Found(*index, L"тикв -пече"),
              (std::vector<std::string>{Narrow(L"Лято 0 0"), Narrow(L"Пролет 0 1"), Narrow(L"Пролет 2 2")}));
    EXPECT_TRUE(Found(*index, L"тиквата боб").empty());
    EXPECT_EQ(Found(*index, L"tikvenik"), (std::vector<std::string>{Narrow(L"Пролет 1 0")}));
}

TEST_F(SearchIndexTest, TellsItsProgressUpToEveryRecipe)
{
    ASSERT_TRUE(Build());
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front(), (std::pair<std::int64_t, std::int64_t>{0, 5}));
    EXPECT_EQ(reports.back(), (std::pair<std::int64_t, std::int64_t>{5, 5}));
}

TEST_F(SearchIndexTest, IsOutdatedOnceTheCatalogueChanges)
{
    EXPECT_FALSE(Current()) << "no index yet";
    ASSERT_TRUE(Build());
    EXPECT_TRUE(Current());
    const std::wstring before = data::CatalogueFingerprint(catalogue->FullPath());
    test_support::AppendRecipe(L"Лято", {L"Таратор", L"краставица", L"Разбърква се."});
    EXPECT_NE(data::CatalogueFingerprint(catalogue->FullPath()), before);
    EXPECT_FALSE(Current());
}

TEST_F(SearchIndexTest, AnotherFileInItsPlaceIsNotTakenForTheIndex)
{
    test_support::MakeDatabase(path, "CREATE TABLE t (x)");
    EXPECT_FALSE(Current());
    std::filesystem::remove(path);
    { std::ofstream(std::filesystem::path(path)) << "not a database"; }
    EXPECT_FALSE(Current());
    ASSERT_TRUE(Build()) << "a damaged index is replaced";
    EXPECT_TRUE(Current());
}

TEST_F(SearchIndexTest, AStoppedBuildLeavesTheOldIndexAndNoHalfFile)
{
    ASSERT_TRUE(Build());
    const std::wstring built = data::CatalogueFingerprint(catalogue->FullPath());
    test_support::AppendRecipe(L"Лято", {L"Таратор", L"краставица", L"Разбърква се."});
    EXPECT_FALSE(Build([] { return true; }));
    EXPECT_FALSE(std::filesystem::exists(path + L".tmp"));
    EXPECT_TRUE(SearchIndex::OpenCurrent(path, built)) << "the old index is still there, whole";
}

TEST_F(SearchIndexTest, ASearchStopsWhenAskedOnTheWay)
{
    test_support::RunSql(L"Data\\pelnor_recepies.rec",
                         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                         "INSERT INTO \"Пролет\" (name, Products, Burn) SELECT 'Тиква ' || i, 'тиква', 'Пече се.' FROM n");
    ASSERT_TRUE(Build());
    const auto index = Current();
    ASSERT_TRUE(index);
    const std::wstring expression = catalogue::MatchExpression(catalogue::ParseQuery(L"т"));
    int asked = 0;
    // Not stopped at the start: the search is under way when the stop comes.
    EXPECT_FALSE(index->Search(expression, 50, [&] { return ++asked > 1; }));
    EXPECT_GT(asked, 1);
    EXPECT_EQ(index->Search(expression, 50, [] { return false; })->size(), 50u);
}

}
