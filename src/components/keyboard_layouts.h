// The platform's keyboard-layout and locale services, as the keyboard layout component uses them;
// the program uses the system's, tests a double with layouts of their own.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace components {

class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;
    // GetKeyboardLayout for the calling thread.
    virtual HKL Current() = 0;
    // GetKeyboardLayoutList with room for `most` handles, in the platform's order.
    virtual std::vector<HKL> Installed(int most) = 0;
    // ActivateKeyboardLayout with no flags: 1 is the next layout, 0 the previous; 0 back on failure.
    virtual HKL Activate(HKL layout) = 0;
    // GetLocaleInfoW up to its terminating zero; nullopt when the platform gives nothing.
    virtual std::optional<std::wstring> LocaleInfo(LCID locale, LCTYPE type) = 0;
    // The default processing of a layout-change message (DefWindowProcA), which for a change
    // request activates the requested layout.
    virtual void DefaultLanguageChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

class Win32KeyboardLayouts final : public KeyboardLayouts {
public:
    HKL Current() override;
    std::vector<HKL> Installed(int most) override;
    HKL Activate(HKL layout) override;
    std::optional<std::wstring> LocaleInfo(LCID locale, LCTYPE type) override;
    void DefaultLanguageChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The system's services, for the program's windows.
KeyboardLayouts& SystemKeyboardLayouts();

}
