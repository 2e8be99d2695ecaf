// A stand-in for the keyboard layouts and locale data: US English (0x04090409) and Bulgarian
// (0x04020402) installed, the active one switched only through it, every activation recorded.
#pragma once
#include "components/keyboard_layouts.h"

#include <vector>

namespace test_support {

inline const HKL kUsEnglish = reinterpret_cast<HKL>(0x04090409);
inline const HKL kBulgarian = reinterpret_cast<HKL>(0x04020402);

class FakeKeyboardLayouts final : public components::KeyboardLayouts {
public:
    explicit FakeKeyboardLayouts(HKL active = kBulgarian) : active_(active) {}

    HKL Current() override { return active_; }
    std::vector<HKL> Installed(int most) override;
    HKL Activate(HKL layout) override;
    std::optional<std::wstring> LocaleInfo(LCID locale, LCTYPE type) override;
    void DefaultLanguageChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    std::vector<HKL> installed{kUsEnglish, kBulgarian};
    // Every handle passed to Activate, in order.
    std::vector<HKL> activations;

private:
    HKL active_;
};

}
