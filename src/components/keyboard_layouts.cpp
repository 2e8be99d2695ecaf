// The system's keyboard-layout and locale services.
#include "components/keyboard_layouts.h"

namespace components {

HKL Win32KeyboardLayouts::Current()
{
    return GetKeyboardLayout(0);
}

std::vector<HKL> Win32KeyboardLayouts::Installed(int most)
{
    std::vector<HKL> layouts(static_cast<std::size_t>(most), nullptr);
    const int count = GetKeyboardLayoutList(most, layouts.data());
    layouts.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    return layouts;
}

HKL Win32KeyboardLayouts::Activate(HKL layout)
{
    return ActivateKeyboardLayout(layout, 0);
}

std::optional<std::wstring> Win32KeyboardLayouts::LocaleInfo(LCID locale, LCTYPE type)
{
    wchar_t buffer[1024] = {};
    const int count = GetLocaleInfoW(locale, type, buffer, static_cast<int>(std::size(buffer)));
    if (count <= 0)
        return std::nullopt;
    return std::wstring(buffer);
}

void Win32KeyboardLayouts::DefaultLanguageChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DefWindowProcA(window, message, wParam, lParam);
}

KeyboardLayouts& SystemKeyboardLayouts()
{
    static Win32KeyboardLayouts layouts;
    return layouts;
}

}
