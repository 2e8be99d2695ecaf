// Texts of the application shell: title, window captions and the start-up error caption.
#pragma once
#include <string_view>

namespace app {

inline constexpr std::wstring_view kTitle = L"Велмора XP";
inline constexpr std::wstring_view kStartupErrorCaption = L"Application Error";

inline constexpr std::wstring_view kLabelNames = L"Име на рецептите";
inline constexpr std::wstring_view kLabelProducts = L"Продукти";
inline constexpr std::wstring_view kLabelMethod = L"Начин на приготвяне";

inline constexpr std::wstring_view kMenuMain = L"Меню";
inline constexpr std::wstring_view kMenuSeasonal = L"Сезонна Кухня";
inline constexpr std::wstring_view kMenuQuick = L"Бърза Кухня";
inline constexpr std::wstring_view kMenuConfectionery = L"Сладкарска Кухня";
inline constexpr std::wstring_view kMenuSettings = L"Настройки";
inline constexpr std::wstring_view kMenuDecoration = L"Декорация";
inline constexpr std::wstring_view kMenuReference = L"Справочник";
inline constexpr std::wstring_view kMenuRecipe = L"Рецепта";
inline constexpr std::wstring_view kReadmeMenuCaption = L"&Readme";

// The tray icon's menu.
inline constexpr std::wstring_view kTrayHelp = L"Help";
inline constexpr std::wstring_view kTrayOptions = L"Опции";
inline constexpr std::wstring_view kTrayShow = L"Покажи";
inline constexpr std::wstring_view kTrayMinimize = L"Минимизирай";

// The screen's cursor numbers of the custom cursors.
inline constexpr int kMaletCursor = 16;
inline constexpr wchar_t kMaletResource[] = L"MALET";

}
