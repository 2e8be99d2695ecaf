// Texts, files and connections of the reference windows, kept together.
#pragma once
#include <string_view>

namespace reference {

// The practical-advice window.
inline constexpr std::wstring_view kAdviceCaption = L"Практични съвети";
inline constexpr std::wstring_view kEnergyConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Favour Advice\\energy.fad;Persist Security Info=False";
inline constexpr std::wstring_view kMerkiConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Favour Advice\\merki.fad;Persist Security Info=False";
inline constexpr std::wstring_view kDpmConnection =
    L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Favour Advice\\dpm.fad;Persist Security Info=False";

struct TextTab {
    std::wstring_view caption;
    std::wstring_view file;  // empty for the tabs that show tables
    std::wstring_view placeholder;
};

inline constexpr TextTab kTabs[] = {
    {L"Малки кулинарни тайни", L"Favour Advice\\MKT.txt", L"Memo1"},
    {L"За да е по-вкусно", L"Favour Advice\\ZDP.txt", L"Memo2"},
    {L"Кога е най-правилно да се солят", L"Favour Advice\\KNS.txt", L"Memo5"},
    {L"С каква мазнина да готвим", L"Favour Advice\\KMG.txt", L"Memo4"},
    {L"Мерки", L"", L""},
    {L"Консервиране", L"Favour Advice\\Konservirane.txt", L"Memo6"},
    {L"Таблица за енергийното съдържание на хранителните продукти", L"", L""},
};

// The readme window.
inline constexpr std::wstring_view kReadmeCaption = L"Readme";
inline constexpr std::wstring_view kReadmeFile = L"Readme 1.02.txt";
inline constexpr std::wstring_view kReadmePlaceholder = L"Memo1";

// The About box. The addresses are this project's own, under a domain reserved for examples.
inline constexpr std::wstring_view kAboutCaption = L"Инфо за Велмора XP";
inline constexpr std::wstring_view kProductName = L"Велмора XP";
inline constexpr std::wstring_view kVersion = L"Версия: 1.02";
inline constexpr std::wstring_view kMailTitle = L"E-mail";
inline constexpr std::wstring_view kMailAddress = L"velmora@velmora.example";
inline constexpr std::wstring_view kWebTitle = L"Official page at ";
inline constexpr std::wstring_view kWebAddress = L"www.velmora.example";
inline constexpr std::wstring_view kWebScheme = L"http://";
// A mail link the shell understands: the scheme and the address with nothing between them.
inline constexpr std::wstring_view kMailScheme = L"mailto:";
inline constexpr std::wstring_view kComments = L"Коментар:";
inline constexpr std::wstring_view kSlogan1 = L"Рецептите на майстор готвачите !";
inline constexpr std::wstring_view kSlogan2 = L"И незабравяйте че Апетита идва с яденето,";
inline constexpr std::wstring_view kSlogan3 = L"а яденето с Велмора !!!";
inline constexpr std::wstring_view kCopyright = L"© 2026 Велмора XP — свободна готварска книга";
inline constexpr std::wstring_view kAboutSound = L"about.wav";

}
