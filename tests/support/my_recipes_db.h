// The own-recipe database for tests, made as the content build makes it.
#pragma once
#include <string>
#include <vector>

namespace test_support {

struct MyRecipe {
    std::wstring name;
    std::wstring products;
    std::wstring burn;
    bool operator==(const MyRecipe&) const = default;
};

// Three recipes in a file of their own, as several tests start from them.
inline const std::vector<MyRecipe> kThreeRecipes{{L"Баница", L"кори\r\nсирене", L"Пече се."},
                                                 {L"Таратор", L"краставици", L"Разбърква се."},
                                                 {L"Мусака", L"картофи", L"Пече се."}};

inline constexpr wchar_t kMyRecipesFile[] = L"Data\\pelnor_myrecepies.rec";

// Writes Data\pelnor_myrecepies.rec under the current folder with these rows in this order.
void WriteMyRecipes(const std::vector<MyRecipe>& rows);
// The rows as the file holds them now, in table order, read through a connection of their own.
std::vector<MyRecipe> StoredRecipes(const std::wstring& file = kMyRecipesFile);

}
