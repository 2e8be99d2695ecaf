// The real message boxes, colour dialog and file dialogs.
#include "ui/dialogs.h"

#include <commdlg.h>

#include <algorithm>

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

// The type list as the file dialogs take it: description and patterns, each ended by a null,
// and one more null at the end.
std::wstring FilterList(const std::vector<FileFilter>& filters)
{
    std::wstring list;
    for (const auto& filter : filters)
        list += filter.description + L'\0' + filter.patterns + L'\0';
    return list + L'\0';
}

std::optional<FileChoice> RunFileDialog(HWND owner, const FileRequest& request, bool save)
{
    // Room for a long path; the dialog cuts nothing shorter than this.
    std::wstring path(32768, L'\0');
    request.fileName.copy(path.data(), std::min(request.fileName.size(), path.size() - 1));
    const std::wstring filters = FilterList(request.filters);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = request.title.c_str();
    dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)))
        return std::nullopt;
    path.resize(path.find(L'\0'));
    return FileChoice{std::move(path), static_cast<int>(dialog.nFilterIndex) - 1};
}

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

std::optional<FileChoice> Win32Dialogs::SaveFile(HWND owner, const FileRequest& request)
{
    return RunFileDialog(owner, request, true);
}

std::optional<FileChoice> Win32Dialogs::OpenFile(HWND owner, const FileRequest& request)
{
    return RunFileDialog(owner, request, false);
}

}
