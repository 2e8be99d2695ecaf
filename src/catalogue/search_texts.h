// Texts of the search over everything, kept together.
#pragma once
#include <string>
#include <string_view>

namespace catalogue {

inline constexpr std::wstring_view kSearchCaption = L"Търси навсякъде";
inline constexpr std::wstring_view kSearchPrompt = L"Търси в имената, продуктите и начина на приготвяне:";
inline constexpr std::wstring_view kColumnRecipe = L"Рецепта";
inline constexpr std::wstring_view kColumnWhere = L"Къде";
inline constexpr std::wstring_view kColumnLine = L"Намерено";
// Where the spice encyclopedia's entries and the own recipes live, as a result names it.
inline constexpr std::wstring_view kSpicesPlace = L"Подправки";
inline constexpr std::wstring_view kOwnPlace = L"Моите Рецепти";

inline constexpr std::wstring_view kTypeWords =
    L"Напишете какво търсите: име на ястие, продукт или дума от начина на приготвяне. "
    L"\"-дума\" или \"без дума\" изключва рецептите с нея.";
inline constexpr std::wstring_view kOnlyExcluded = L"Напишете и дума, която рецептата трябва да съдържа, а не само какво да липсва.";
inline constexpr std::wstring_view kBuilding = L"Подготвям търсенето в каталога, моля изчакайте…";
inline constexpr std::wstring_view kSearching = L"Търся…";
inline constexpr std::wstring_view kNothingFound = L"Няма рецепти, в които да има всички търсени думи.";
inline constexpr std::wstring_view kRecipeGone =
    L"Тази рецепта вече не е там: каталогът или вашите рецепти са променени. Потърсете отново.";
inline std::wstring FoundText(std::size_t count, bool more)
{
    if (more)
        return L"Показани са първите " + std::to_wstring(count) + L" рецепти. Добавете още думи, за да стесните търсенето.";
    return L"Намерени рецепти: " + std::to_wstring(count);
}

}
