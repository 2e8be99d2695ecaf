// The catalogue's categories as one table: each category's command, its menu caption, hint and
// picture, its place in the menu, the table it lists and its status-bar text. The main window
// builds its category commands and menu items from this table, and they all run one handler; a
// category is named in code by its CategoryId, so a misspelt one does not compile.
// Table and field names live in the executable's string table (res/strings.rc).
#pragma once
#include "string_ids.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <string_view>

namespace catalogue {

inline constexpr std::wstring_view kCatalogueConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Data\\pelnor_recepies.rec;Persist Security Info=False";

// Every catalogue table has these fields.
inline constexpr UINT kNameField = IDS_FIELD_NAME;
inline constexpr UINT kProductsField = IDS_FIELD_PRODUCTS;
inline constexpr UINT kBurnField = IDS_FIELD_BURN;

inline constexpr std::wstring_view kCountSuffix = L" Рецепти";

// The categories in the order of the table below.
enum class CategoryId : std::size_t {
    Prolet, Liato, Esen, Zima,
    Zakuski, Supi, Prediastie, Iastia, Deserti,
    Torti, sladkishi, PostniSladki, Drebnisladki,
    Holiday, National, Kokteili,
    Enciklopedia,
};

// Where a category's command stands in the main window's menu bar.
enum class MenuPlace {
    Seasonal,       // "Меню" → "Сезонна Кухня"
    Quick,          // "Меню" → "Бърза Кухня"
    Confectionery,  // "Меню" → "Сладкарска Кухня"
    Main,           // "Меню" itself, after the three submenus
    Reference,      // "Справочник"
};

struct Category {
    CategoryId id;
    std::wstring_view command;  // the command's name
    std::wstring_view caption;
    std::wstring_view hint;
    int picture;                // in the main window's menu pictures
    MenuPlace place;
    UINT table;                 // the string table's number of the table's name
    // The status text: prefix, count and " Рецепти"; an uncounted category shows the prefix alone.
    std::wstring_view status;
    bool counted = true;
};

inline constexpr std::array<Category, 17> kCategories{{
    {CategoryId::Prolet, L"Prolet", L"Пролет", L"Какво да сготвим през пролетта ?", 14, MenuPlace::Seasonal,
     IDS_TABLE_PROLET, L"Сезонна кухня - Пролет: "},
    {CategoryId::Liato, L"Liato", L"Лято", L"Какво да сготвим през лятото ?", 9, MenuPlace::Seasonal, IDS_TABLE_LIATO,
     L"Сезонна кухня - Лято: "},
    {CategoryId::Esen, L"Esen", L"Есен", L"Какво да сготвим през есента ?", 0, MenuPlace::Seasonal, IDS_TABLE_ESEN,
     L"Сезонна кухня - Есен: "},
    {CategoryId::Zima, L"Zima", L"Зима", L"Какво да сготвим през зимата ?", 19, MenuPlace::Seasonal, IDS_TABLE_ZIMA,
     L"Сезонна кухня - Зима: "},
    {CategoryId::Zakuski, L"Zakuski", L"Закуски", L"Какво да направим за закуска ?", 14, MenuPlace::Quick, IDS_TABLE_ZAKUSKI,
     L"Бърза кухня - Закуски: "},
    {CategoryId::Supi, L"Supi", L"Супи", L"Каква супа да направим ?", 9, MenuPlace::Quick, IDS_TABLE_SUPI,
     L"Бърза кухня - Супи: "},
    {CategoryId::Prediastie, L"Prediastie", L"Предястия", L"Какво предястие да направим ?", 19, MenuPlace::Quick,
     IDS_TABLE_PREDIASTIE, L"Бърза кухня - Предястия: "},
    {CategoryId::Iastia, L"Iastia", L"Ястия", L"Какво ястие да направим ?", 1, MenuPlace::Quick, IDS_TABLE_IASTIA,
     L"Бърза кухня - Ястия: "},
    {CategoryId::Deserti, L"Deserti", L"Десерти", L"Какъв десерт да направим ?", 0, MenuPlace::Quick, IDS_TABLE_DESERTI,
     L"Бърза кухня - Десерти: "},
    {CategoryId::Torti, L"Torti", L"Торти, Кексове и Рула", L"Каква торта да си направя ?", 14, MenuPlace::Confectionery,
     IDS_TABLE_TORTI, L"Сладкарска Кухня - Торти,Кексове и Рула: "},
    {CategoryId::sladkishi, L"sladkishi", L"Сладкиши и Пудинги", L"Какъв сладкиш да забъркам ?", 9, MenuPlace::Confectionery,
     IDS_TABLE_SLADKISHI, L"Сладкарска Кухня - Сладкиши: "},
    {CategoryId::PostniSladki, L"PostniSladki", L"Постни и пържени сладки", L"Какво ли да си опържа ?", 0,
     MenuPlace::Confectionery, IDS_TABLE_POSTNI_SLADKI, L"Сладкарска Кухня - Постни и пържени сладки: "},
    {CategoryId::Drebnisladki, L"Drebnisladki", L"Дребни сладки", L"Какви сладки да направя ?", 19, MenuPlace::Confectionery,
     IDS_TABLE_DREBNI_SLADKI, L"Сладкарска Кухня - Дребни сладки: "},
    {CategoryId::Holiday, L"Holiday", L"Празнична Кухня", L"Какво да направим в празничния ден ?", 11, MenuPlace::Main,
     IDS_TABLE_HOLIDAY, L"Празнична Кухня: "},
    {CategoryId::National, L"National", L"Чуждестранна Кухня", L"Какво готвят по света ?", 11, MenuPlace::Main,
     IDS_TABLE_NATIONAL, L"Чуждестранна Кухня: "},
    {CategoryId::Kokteili, L"Kokteili", L"Коктейли и Болета", L"Какъв коктейл да спретна ?", 11, MenuPlace::Main,
     IDS_TABLE_KOKTEILI, L"Коктейли и Болета: "},
    {CategoryId::Enciklopedia, L"Enciklopedia", L"Енциклопедия на подправките", L"Нещо повече за подправките", 3,
     MenuPlace::Reference, IDS_TABLE_PODPRAVKI, L"Енциклопедия на подправките", false},
}};

// Each category stands at the place its CategoryId says, so CategoryOf is a look-up that cannot miss.
constexpr bool InIdOrder()
{
    for (std::size_t i = 0; i < kCategories.size(); ++i) {
        if (static_cast<std::size_t>(kCategories[i].id) != i)
            return false;
    }
    return true;
}
static_assert(InIdOrder(), "kCategories must list the categories in the order of CategoryId");

constexpr const Category& CategoryOf(CategoryId id)
{
    return kCategories[static_cast<std::size_t>(id)];
}

// The main window opens its table on this category's before any category is chosen.
inline constexpr CategoryId kDesignCategory = CategoryId::Supi;

}
