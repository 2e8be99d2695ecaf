// Hints through the common controls' tooltip.
#include "ui/tool_tip.h"

#include "ui/error.h"
#include "ui/window.h"

#include <commctrl.h>

namespace ui {
namespace {

// The tool for a control, named by its window handle.
TTTOOLINFOW ToolOf(HWND owner, HWND control)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

}

ToolTip::ToolTip(const Args& args)
{
    HWND window = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, args.owner, nullptr, Instance(), nullptr);
    if (!window)
        throw Error(L"Не може да се създаде подсказка.");
    window_.reset(window);
}

void ToolTip::Add(HWND control, const std::wstring& text)
{
    TTTOOLINFOW tool = ToolOf(GetParent(control), control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(window_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring ToolTip::TextOf(HWND control) const
{
    wchar_t text[256] = {};
    TTTOOLINFOW tool = ToolOf(GetParent(control), control);
    tool.lpszText = text;
    if (!SendMessageW(window_.get(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
        return {};
    return text;
}

}
