// The real message boxes and colour dialog.
#include "ui/dialogs.h"

#include <commdlg.h>

namespace ui {
namespace {

// The captions for the box being opened on this thread, applied when the box first activates.
struct PendingCaptions {
    const std::vector<ButtonCaption>* buttons = nullptr;
    HHOOK hook = nullptr;
};
thread_local PendingCaptions pending;

LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam)
{
    const HHOOK hook = pending.hook;
    if (code == HCBT_ACTIVATE && pending.buttons != nullptr) {
        const auto box = reinterpret_cast<HWND>(wParam);
        for (const auto& button : *pending.buttons)
            SetDlgItemTextW(box, button.id, button.text.c_str());
        pending.buttons = nullptr;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

class CaptionHook {
public:
    explicit CaptionHook(const std::vector<ButtonCaption>& buttons)
    {
        pending.buttons = &buttons;
        pending.hook = SetWindowsHookExW(WH_CBT, &RenameButtons, nullptr, GetCurrentThreadId());
    }
    CaptionHook(const CaptionHook&) = delete;
    CaptionHook& operator=(const CaptionHook&) = delete;
    ~CaptionHook()
    {
        if (pending.hook != nullptr)
            UnhookWindowsHookEx(pending.hook);
        pending = {};
    }
};

}

int Win32Dialogs::Message(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style)
{
    return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

int Win32Dialogs::MessageWithButtons(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style,
                                     const std::vector<ButtonCaption>& buttons)
{
    const CaptionHook hook(buttons);
    return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

std::optional<COLORREF> Win32Dialogs::PickColor(HWND owner, COLORREF initial, CustomColors& custom)
{
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = initial;
    choose.lpCustColors = custom.data();
    choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ChooseColorW(&choose))
        return std::nullopt;
    return choose.rgbResult;
}

}
