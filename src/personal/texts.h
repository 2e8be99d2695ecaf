// Texts and names of the own-recipe windows, kept together.
#pragma once
#include <string_view>

namespace personal {

// The add-recipe window's connection carries the Jet keys it was designed with.
inline constexpr std::wstring_view kAddRecipeConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=Data\\pelnor_myrecepies.rec;Mode=Share Deny None;"
    L"Extended Properties=\"\";Persist Security Info=False;Jet OLEDB:System database=\"\";"
    L"Jet OLEDB:Registry Path=\"\";Jet OLEDB:Database Password=\"\";Jet OLEDB:Engine Type=5;"
    L"Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;Jet OLEDB:Global Bulk Transactions=1;"
    L"Jet OLEDB:New Database Password=\"\";Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt Database=False;"
    L"Jet OLEDB:Don't Copy Locale on Compact=False;Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False";
inline constexpr std::wstring_view kMyRecipesConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Data\\pelnor_myrecepies.rec;Persist Security Info=False";

// The longest name the table holds.
inline constexpr std::size_t kMaxNameLength = 50;
// The name field takes UTF-16 units: 50 characters outside the Basic Multilingual Plane take 100.
inline constexpr int kNameFieldUnits = 2 * kMaxNameLength;
// The most the ingredient and method fields take: the store holds far more, and the read-only views
// stay responsive with texts this long.
inline constexpr int kMaxTextLength = 100000;

inline constexpr std::wstring_view kInformationCaption = L"Information";
inline constexpr std::wstring_view kDeleteQuestion = L"Сигурни ли сте, че искате да изтриете текущата рецепта?";
inline constexpr std::wstring_view kDeleted = L"Рецаптата е изтрита успешно!!!";
inline constexpr std::wstring_view kRemoveItem = L"Премахни Рецептата";
inline constexpr std::wstring_view kChangeItem = L"Промени Рецептата";
inline constexpr std::wstring_view kAddItem = L"Добави Рецепта";

// The add-recipe window.
inline constexpr std::wstring_view kAddCaption = L"Добави Рецепта";
inline constexpr std::wstring_view kNameLabel = L"Име на рецептата:";
inline constexpr std::wstring_view kNameTitle = L"Име на рецептата";
inline constexpr std::wstring_view kProductsLabel = L"Продукти:";
inline constexpr std::wstring_view kMethodLabel = L"Начин на приготвяне:";
inline constexpr std::wstring_view kListLabel = L"Лист на добавените рецепти";
inline constexpr std::wstring_view kNameHint = L"Въведи име на рецептата (до 50 знака)";
inline constexpr std::wstring_view kProductsHint = L"Въведи продуктите (до 100 000 знака)";
inline constexpr std::wstring_view kMethodHint = L"Въведи начина на приготвяне (до 100 000 знака)";
// Typing or a paste ran into a field's limit.
inline constexpr std::wstring_view kNameFull =
    L"Името на рецептата може да има най-много 50 знака. Полето е пълно: въведеното след това не е вмъкнато.";
inline constexpr std::wstring_view kProductsFull =
    L"Продуктите могат да имат най-много 100 000 знака. Полето е пълно: текстът след тази граница не е вмъкнат.";
inline constexpr std::wstring_view kMethodFull =
    L"Начинът на приготвяне може да има най-много 100 000 знака. Полето е пълно: текстът след тази граница не е вмъкнат.";
inline constexpr std::wstring_view kAddHint = L"Добави рецептата";
inline constexpr std::wstring_view kListHint = L"Лист на добавените рецепти";
inline constexpr std::wstring_view kChangeLanguage = L"Моля, променете езика на български!";
inline constexpr std::wstring_view kEnterName = L"Моля, въведете име на рецептата!";
inline constexpr std::wstring_view kEnterProducts = L"Моля, въведете продуктите!";
inline constexpr std::wstring_view kEnterMethod = L"Моля, въведете начина на приготвяне!";
inline constexpr std::wstring_view kNameTaken = L"Рецепта с такова име вече съществува, моля задайте друго име!";
inline constexpr std::wstring_view kAdded = L"Рецептата е добавена успешно !!!";
// The layout the add check refuses: US English.
inline constexpr std::string_view kRefusedLayout = "0409";

// The my-recipes window.
inline constexpr std::wstring_view kMyRecipesCaption = L"Моите Рецепти";
inline constexpr std::wstring_view kNamesLabel = L"Име на рецептите";
inline constexpr std::wstring_view kProductsTitle = L"Продукти";
inline constexpr std::wstring_view kMethodTitle = L"Начин на приготвяне";
inline constexpr std::wstring_view kCountPrefix = L"Моите Рецепти: ";
inline constexpr std::wstring_view kCountSuffix = L" Рецепти";

// The screen's cursor numbers of the custom cursors and their resources.
inline constexpr int kMaletCursor = 16;
inline constexpr wchar_t kMaletResource[] = L"MALET";
inline constexpr int kPenCursor = 18;
inline constexpr wchar_t kPenResource[] = L"PEN";

}
