// Texts of what leaves the program: the headings and page footer of a printed or saved recipe, the
// save dialog and its failure, and the output commands' captions and keys, kept together.
#pragma once
#include "ui/shortcut.h"

#include <string_view>

namespace output {

// The parts of a recipe taken out of the program.
inline constexpr std::wstring_view kProductsHeading = L"Продукти";
inline constexpr std::wstring_view kMethodHeading = L"Начин на приготвяне";
inline constexpr std::wstring_view kPageWord = L"Страница";
inline constexpr std::wstring_view kPageOf = L" от ";

// Saving.
inline constexpr std::wstring_view kSaveTitle = L"Запиши рецептата";
inline constexpr std::wstring_view kTextFilter = L"Текст (UTF-8)";
inline constexpr std::wstring_view kHtmlFilter = L"Уеб страница";
inline constexpr std::wstring_view kSaveFailed = L"Рецептата не е записана в „";
// What a name that cannot be a file name becomes.
inline constexpr std::wstring_view kUnnamedFile = L"Рецепта";

// The commands that take the recipe on screen out of the program, the same in every window that
// shows one: their captions, hints and keys.
inline constexpr std::wstring_view kPrintCaption = L"Печат…";
inline constexpr std::wstring_view kPrintHint = L"Отпечатай рецептата на екрана";
inline constexpr std::wstring_view kSaveCaption = L"Запиши рецептата…";
inline constexpr std::wstring_view kSaveHint = L"Запиши рецептата като текст или като страница за браузър";
inline constexpr ui::Shortcut kPrintKey{'P', ui::kCtrl};
inline constexpr std::wstring_view kPrintKeyText = L"Ctrl+P";
inline constexpr ui::Shortcut kCopyKey{'C', ui::kCtrl | ui::kShift};
inline constexpr std::wstring_view kCopyKeyText = L"Ctrl+Shift+C";
// The print and copy commands' captions in the context menus, which show their keys.
inline constexpr std::wstring_view kPrintItemCaption = L"Печат…\tCtrl+P";
// The copy command's name, and its caption in the context menus.
inline constexpr std::wstring_view kCopyName = L"Копирай рецептата";
inline constexpr std::wstring_view kCopyCaption = L"Копирай рецептата\tCtrl+Shift+C";
inline constexpr std::wstring_view kCopyHint = L"Копирай цялата рецепта като текст";

inline constexpr std::wstring_view kNoRecipeShown = L"Изберете рецепта от списъка.";

}
