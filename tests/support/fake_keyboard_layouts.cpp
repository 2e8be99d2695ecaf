// The keyboard layouts stand-in.
#include "support/fake_keyboard_layouts.h"

#include <algorithm>
#include <map>
#include <utility>

namespace test_support {

std::vector<HKL> FakeKeyboardLayouts::Installed(int most)
{
    std::vector<HKL> layouts = installed;
    if (std::ssize(layouts) > most)
        layouts.resize(static_cast<std::size_t>(most));
    return layouts;
}

HKL FakeKeyboardLayouts::Activate(HKL layout)
{
    activations.push_back(layout);
    const auto active = std::ranges::find(installed, active_);
    const auto at = active - installed.begin();
    const auto count = std::ssize(installed);
    HKL next = nullptr;
    if (layout == reinterpret_cast<HKL>(HKL_NEXT))
        next = installed[(at + 1) % count];
    else if (layout == reinterpret_cast<HKL>(HKL_PREV))
        next = installed[(at + count - 1) % count];
    else if (std::ranges::find(installed, layout) != installed.end())
        next = layout;
    if (!next)
        return nullptr;
    return std::exchange(active_, next);
}

std::optional<std::wstring> FakeKeyboardLayouts::LocaleInfo(LCID locale, LCTYPE type)
{
    static const std::map<std::pair<LANGID, LCTYPE>, std::wstring> data{
        {{0x0409, LOCALE_ILANGUAGE}, L"0409"},
        {{0x0409, LOCALE_SLANGUAGE}, L"English (United States)"},
        {{0x0409, LOCALE_SENGLANGUAGE}, L"English"},
        {{0x0409, LOCALE_SABBREVLANGNAME}, L"ENU"},
        {{0x0409, LOCALE_SNATIVELANGNAME}, L"English"},
        {{0x0402, LOCALE_ILANGUAGE}, L"0402"},
        {{0x0402, LOCALE_SLANGUAGE}, L"Bulgarian (Bulgaria)"},
        {{0x0402, LOCALE_SENGLANGUAGE}, L"Bulgarian"},
        {{0x0402, LOCALE_SABBREVLANGNAME}, L"BGR"},
        {{0x0402, LOCALE_SNATIVELANGNAME}, L"български"},
    };
    const auto found = data.find({LANGIDFROMLCID(locale), type});
    if (found == data.end())
        return std::nullopt;
    return found->second;
}

void FakeKeyboardLayouts::DefaultLanguageChange(HWND, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INPUTLANGCHANGEREQUEST)
        Activate(reinterpret_cast<HKL>(lParam));
}

}
