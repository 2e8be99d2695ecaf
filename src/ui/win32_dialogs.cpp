// The real message boxes and colour dialog.
#include "ui/dialogs.h"

#include <commdlg.h>

namespace ui {

int Win32Dialogs::Message(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style)
{
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
