// The catalogue's categories: the table each category command lists and its status-bar text.
// Table and field names live in the executable's string table (res/strings.rc).
#pragma once
#include "string_ids.h"

#include <windows.h>

#include <array>
#include <string_view>

namespace catalogue {

inline constexpr std::wstring_view kCatalogueConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Data\\pelnor_recepies.rec;Persist Security Info=False";

// Every catalogue table has these fields.
inline constexpr UINT kNameField = IDS_FIELD_NAME;
inline constexpr UINT kProductsField = IDS_FIELD_PRODUCTS;
inline constexpr UINT kBurnField = IDS_FIELD_BURN;

// The main window opens its table on this one before any category is chosen.
inline constexpr UINT kDesignTable = IDS_TABLE_SUPI;

inline constexpr std::wstring_view kCountSuffix = L" Рецепти";

struct Category {
    std::wstring_view command;
    UINT table;  // the string table's number of the table's name
    // The status text: prefix, count and " Рецепти"; an uncounted category shows the prefix alone.
    std::wstring_view status;
    bool counted = true;
};

inline constexpr std::array<Category, 17> kCategories{{
    {L"Prolet", IDS_TABLE_PROLET, L"Сезонна кухня - Пролет: "},
    {L"Liato", IDS_TABLE_LIATO, L"Сезонна кухня - Лято: "},
    {L"Esen", IDS_TABLE_ESEN, L"Сезонна кухня - Есен: "},
    {L"Zima", IDS_TABLE_ZIMA, L"Сезонна кухня - Зима: "},
    {L"Zakuski", IDS_TABLE_ZAKUSKI, L"Бърза кухня - Закуски: "},
    {L"Supi", IDS_TABLE_SUPI, L"Бърза кухня - Супи: "},
    {L"Prediastie", IDS_TABLE_PREDIASTIE, L"Бърза кухня - Предястия: "},
    {L"Iastia", IDS_TABLE_IASTIA, L"Бърза кухня - Ястия: "},
    {L"Deserti", IDS_TABLE_DESERTI, L"Бърза кухня - Десерти: "},
    {L"Torti", IDS_TABLE_TORTI, L"Сладкарска Кухня - Торти,Кексове и Рула: "},
    {L"sladkishi", IDS_TABLE_SLADKISHI, L"Сладкарска Кухня - Сладкиши: "},
    {L"PostniSladki", IDS_TABLE_POSTNI_SLADKI, L"Сладкарска Кухня - Постни и пържени сладки: "},
    {L"Drebnisladki", IDS_TABLE_DREBNI_SLADKI, L"Сладкарска Кухня - Дребни сладки: "},
    {L"Holiday", IDS_TABLE_HOLIDAY, L"Празнична Кухня: "},
    {L"National", IDS_TABLE_NATIONAL, L"Чуждестранна Кухня: "},
    {L"Kokteili", IDS_TABLE_KOKTEILI, L"Коктейли и Болета: "},
    {L"Enciklopedia", IDS_TABLE_PODPRAVKI, L"Енциклопедия на подправките", false},
}};

const Category& CategoryOf(std::wstring_view command);

}
