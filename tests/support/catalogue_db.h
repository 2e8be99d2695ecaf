// Builds small catalogue databases for tests, with SQLite directly, as the build does.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace test_support {

struct RecipeRow {
    std::optional<std::wstring> name;
    std::wstring products;
    std::wstring burn;
};

struct CatalogueTable {
    std::wstring name;
    std::vector<RecipeRow> rows;
    std::vector<std::wstring> fields{L"name", L"Products", L"Burn"};
};

// Writes Data\pelnor_recepies.rec under the current folder.
void WriteCatalogue(const std::vector<CatalogueTable>& tables);
void AppendRecipe(const std::wstring& table, const RecipeRow& row);

}
