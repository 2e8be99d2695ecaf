// Tool tips over a window's controls.
#include "ui/tool_tips.h"

#include "base/error.h"
#include "ui/window.h"
#include "ui/texts.h"

#include <commctrl.h>

namespace ui {

ToolTips::ToolTips(const Args& args) : owner_(args.owner)
{
    window_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, Instance(),
                                  nullptr));
    if (!window_)
        throw base::Error(kToolTipsNotMade);
}

void ToolTips::Add(HWND tool, const std::wstring& hint)
{
    std::wstring text = hint;
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text.data();
    SendMessageW(window_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring ToolTips::HintOf(HWND tool) const
{
    wchar_t text[256] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageW(window_.get(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

}
