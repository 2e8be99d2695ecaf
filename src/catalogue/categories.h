// The catalogue's categories: the table each category command lists and its status-bar text.
#pragma once
#include <array>
#include <string_view>

namespace catalogue {

inline constexpr std::wstring_view kCatalogueConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Data\\pelnor_recepies.rec;Persist Security Info=False";

// Every catalogue table has these fields.
inline constexpr std::wstring_view kNameField = L"name";
inline constexpr std::wstring_view kProductsField = L"Products";
inline constexpr std::wstring_view kBurnField = L"Burn";

// The main window opens its table on this one before any category is chosen.
inline constexpr std::wstring_view kDesignTable = L"Супи";

inline constexpr std::wstring_view kCountSuffix = L" Рецепти";

struct Category {
    std::wstring_view command;
    std::wstring_view table;
    // The status text: prefix, count and " Рецепти"; an uncounted category shows the prefix alone.
    std::wstring_view status;
    bool counted = true;
};

inline constexpr std::array<Category, 17> kCategories{{
    {L"Prolet", L"Пролет", L"Сезонна кухня - Пролет: "},
    {L"Liato", L"Лято", L"Сезонна кухня - Лято: "},
    {L"Esen", L"Есен", L"Сезонна кухня - Есен: "},
    {L"Zima", L"Зима", L"Сезонна кухня - Зима: "},
    {L"Zakuski", L"Закуски", L"Бърза кухня - Закуски: "},
    {L"Supi", L"Супи", L"Бърза кухня - Супи: "},
    {L"Prediastie", L"Предястия", L"Бърза кухня - Предястия: "},
    {L"Iastia", L"Ястия", L"Бърза кухня - Ястия: "},
    {L"Deserti", L"Десерти", L"Бърза кухня - Десерти: "},
    {L"Torti", L"Торти Кексове и Рула", L"Сладкарска Кухня - Торти,Кексове и Рула: "},
    {L"sladkishi", L"Сладкиши", L"Сладкарска Кухня - Сладкиши: "},
    {L"PostniSladki", L"Постни сладки", L"Сладкарска Кухня - Постни и пържени сладки: "},
    {L"Drebnisladki", L"Дребни Сладки", L"Сладкарска Кухня - Дребни сладки: "},
    {L"Holiday", L"Празнична Кухня", L"Празнична Кухня: "},
    {L"National", L"Чуждестранна Кухня", L"Чуждестранна Кухня: "},
    {L"Kokteili", L"Коктейли", L"Коктейли и Болета: "},
    {L"Enciklopedia", L"Podpravki", L"Енциклопедия на подправките", false},
}};

const Category& CategoryOf(std::wstring_view command);

}
