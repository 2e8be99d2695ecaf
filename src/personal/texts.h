// Texts and names of the own recipes, their windows and their commands, kept together.
#pragma once
#include <string_view>

namespace personal {

// The store opens the file by the add-recipe window's connection, with the Jet keys it was designed
// with; the search over everything reads it by the my-recipes window's.
inline constexpr std::wstring_view kAddRecipeConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=Data\\pelnor_myrecepies.rec;Mode=Share Deny None;"
    L"Extended Properties=\"\";Persist Security Info=False;Jet OLEDB:System database=\"\";"
    L"Jet OLEDB:Registry Path=\"\";Jet OLEDB:Database Password=\"\";Jet OLEDB:Engine Type=5;"
    L"Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;Jet OLEDB:Global Bulk Transactions=1;"
    L"Jet OLEDB:New Database Password=\"\";Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt Database=False;"
    L"Jet OLEDB:Don't Copy Locale on Compact=False;Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False";
inline constexpr std::wstring_view kMyRecipesConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Data\\pelnor_myrecepies.rec;Persist Security Info=False";

// The store's refusals: what was not done, after why.
inline constexpr std::wstring_view kRecipeGone =
    L"Рецептата вече я няма във файла на Моите Рецепти: изтрита е, докато прозорецът беше отворен. ";
inline constexpr std::wstring_view kNotAdded = L"Рецептата не е добавена";
inline constexpr std::wstring_view kNotChanged = L"Промените не са записани";
inline constexpr std::wstring_view kNotDeleted = L"Нищо не е изтрито";

// The longest name the table holds.
inline constexpr std::size_t kMaxNameLength = 50;
// The name field takes UTF-16 units: 50 characters outside the Basic Multilingual Plane take 100.
inline constexpr int kNameFieldUnits = 2 * kMaxNameLength;
// The most the ingredient and method fields take: the store holds far more, and the read-only views
// stay responsive with texts this long.
inline constexpr int kMaxTextLength = 100000;

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

// The backup and restore commands of the own recipes, after the windows' own items.
inline constexpr std::wstring_view kBackUpCaption = L"Запази копие на Моите Рецепти…";
inline constexpr std::wstring_view kBackUpHint = L"Запиши пълно копие на собствените рецепти";
inline constexpr std::wstring_view kRestoreCaption = L"Възстанови от копие…";
inline constexpr std::wstring_view kRestoreHint = L"Добави рецептите от копие на Моите Рецепти";

// Where an own recipe taken out of the program says it comes from.
inline constexpr std::wstring_view kOwnPlace = L"Моите Рецепти";

// Backup and restore.
inline constexpr std::wstring_view kBackUpTitle = L"Запази копие на Моите Рецепти";
inline constexpr std::wstring_view kRestoreTitle = L"Възстанови от копие";
inline constexpr std::wstring_view kCopyFilter = L"Копие на Моите Рецепти";
inline constexpr std::wstring_view kAllFilesFilter = L"Всички файлове";
inline constexpr std::wstring_view kCopyExtension = L"rec";
inline constexpr std::wstring_view kCopyFileName = L"Моите Рецепти - копие.rec";
inline constexpr std::wstring_view kBackUpIntoItself =
    L"Копието не може да се запише върху самия файл на Моите Рецепти. Изберете друго място или име.";
inline constexpr std::wstring_view kBackUpFailed = L"Копието не е записано: ";
inline constexpr std::wstring_view kNothingChanged = L" Моите Рецепти не са променени.";
inline constexpr std::wstring_view kCopyRefused = L"Файлът не може да бъде възстановен, защото не е здраво копие на Моите Рецепти: ";
inline constexpr std::wstring_view kCopyBadName = L"Файлът не може да бъде възстановен: в него има рецепта с празно име, "
                                                  L"с име по-дълго от 50 знака или с повреден знак в името.";
inline constexpr std::wstring_view kSuffixWord = L"копие";
// The restore's question about recipes whose name the file already has with other texts.
inline constexpr std::wstring_view kKeepBothButton = L"&Двете";
inline constexpr std::wstring_view kTakeCopyButton = L"&От копието";
inline constexpr std::wstring_view kKeepCurrentButton = L"&Сегашната";
inline constexpr std::wstring_view kCancelButton = L"Отказ";
inline constexpr std::wstring_view kDifferingQuestion =
    L"Какво да стане с рецептите с еднакво име и различен текст?\n\n"
    L"„Двете“: рецептата от копието се добавя с допълнение към името ѝ.\n"
    L"„От копието“: продуктите и начинът на приготвяне на сегашната рецепта се заменят с тези от копието.\n"
    L"„Сегашната“: сегашната рецепта остава, рецептата от копието не се добавя.";
inline constexpr std::wstring_view kRestoreQuestion = L"Да бъдат ли добавени новите рецепти?";
inline constexpr std::wstring_view kNothingToRestore = L"Копието не съдържа нищо, което да липсва в Моите Рецепти.";

// The counts of a copy, shown before anything is restored.
inline constexpr std::wstring_view kCopyHolds = L"Копието съдържа ";
inline constexpr std::wstring_view kCopyRecipes = L" рецепти:\n";
inline constexpr std::wstring_view kCountNew = L"нови: ";
inline constexpr std::wstring_view kCountUnchanged = L"\nвече ги има без промяна: ";
inline constexpr std::wstring_view kCountDiffering = L"\nсъс същото име, но с различен текст: ";
inline constexpr std::wstring_view kRestored = L"Възстановяването завърши. Добавени нови рецепти: ";
inline constexpr std::wstring_view kRestoredBoth = L"\nДобавени с допълнено име: ";
inline constexpr std::wstring_view kRestoredTaken = L"\nРецепти с текст от копието: ";
inline constexpr std::wstring_view kKeptBefore = L"\nПредишните им текстове са запазени в копие на файла отпреди възстановяването: „";
inline constexpr std::wstring_view kKeptBeforeEnd = L"“.";
inline constexpr std::wstring_view kBeforeRestoreSuffix = L" - преди възстановяване";
inline constexpr std::wstring_view kBackedUp = L"Копието е записано в „";
inline constexpr std::wstring_view kBackedUpHolds = L"“ и съдържа ";
inline constexpr std::wstring_view kBackedUpRecipes = L" рецепти.";

}
