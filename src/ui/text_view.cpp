// The text views.
#include "ui/text_view.h"

#include "ui/subclass.h"
#include "ui/texts.h"

#include <commctrl.h>
#include <richedit.h>

namespace ui {
namespace {

DWORD BorderStyle(bool flat)
{
    return flat ? WS_BORDER : 0;
}

DWORD BorderExStyle(bool flat)
{
    return flat ? 0 : WS_EX_CLIENTEDGE;
}

}

const wchar_t* TextView::ReadOnlyClassName()
{
    // The library registers the class; it stays loaded for the whole run, as long as any view may live.
    static const HMODULE library = LoadLibraryW(L"msftedit.dll");
    (void)library;
    return MSFTEDIT_CLASS;
}

TextView::TextView(const Args& args) : readOnly_(args.readOnly)
{
    const DWORD common = ES_MULTILINE | ES_AUTOVSCROLL | (args.verticalScrollBar ? DWORD{WS_VSCROLL} : 0) |
                         (args.tabStop ? WS_TABSTOP : 0) | BorderStyle(args.flat);
    if (!readOnly_) {
        Create({.className = L"EDIT", .parent = args.parent, .bounds = args.bounds, .style = common | ES_WANTRETURN,
                .exStyle = BorderExStyle(args.flat)});
        if (args.maxLength > 0)
            Send(EM_SETLIMITTEXT, args.maxLength);
        return;
    }
    // A view with a scroll bar shows it while there is more text than room.
    Create({.className = ReadOnlyClassName(),
            .parent = args.parent,
            .bounds = args.bounds,
            .style = common | ES_READONLY,
            .exStyle = BorderExStyle(args.flat)});
    // Plain text, so that a text that starts like rich text is shown as it is; nothing to undo.
    Send(EM_SETTEXTMODE, TM_PLAINTEXT | TM_SINGLELEVELUNDO | TM_SINGLECODEPAGE);
    Send(EM_SETUNDOLIMIT, 0);
    Send(EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    AddContextItems({});
    SetWindowSubclass(Handle(), &SubclassProcedure<TextView, &TextView::HandleViewMessage>, 0, reinterpret_cast<DWORD_PTR>(this));
    // The font the control was created with came before the subclass: the parent's.
    font_ = reinterpret_cast<HFONT>(SendMessageW(args.parent, WM_GETFONT, 0, 0));
}

void TextView::AddContextItems(std::vector<ui::MenuItem> items)
{
    std::vector<ui::MenuItem> all = menu_.Items();
    if (all.empty()) {
        all = {ui::MenuItem::Action(std::wstring(kCopyMenuCaption), -1, [this] { Send(WM_COPY); }),
               ui::MenuItem::Action(std::wstring(kSelectAllMenuCaption), -1, [this] { Send(EM_SETSEL, 0, -1); })};
    }
    if (!items.empty())
        all.push_back(ui::MenuItem::Separator());
    for (auto& item : items)
        all.push_back(std::move(item));
    menu_ = PopupMenu({.items = std::move(all)});
    SetPopupMenu(&menu_);
}

TextView::~TextView()
{
    if (readOnly_)
        RemoveWindowSubclass(Handle(), &SubclassProcedure<TextView, &TextView::HandleViewMessage>, 0);
}

void TextView::OnCommandNotification(WORD code)
{
    if (code == EN_MAXTEXT && onMaxText)
        onMaxText();
}

void TextView::SetContent(const std::wstring& text)
{
    std::wstring shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r'))
            shown += L'\r';
        shown += text[i];
    }
    SetText(shown);
    Send(EM_SETSEL, 0, 0);
    Send(EM_SCROLLCARET);
}

void TextView::OnColorChanged(COLORREF color)
{
    // The rich edit control paints its own background; the plain one asks its parent.
    if (readOnly_)
        Send(EM_SETBKGNDCOLOR, 0, color);
}

bool TextView::HasSelection() const
{
    CHARRANGE range{};
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range.cpMin != range.cpMax;
}

LRESULT TextView::HandleViewMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        // Tab moves to the next control and Esc is the window's, as from a read-only edit control;
        // the view keeps the arrows, and Enter, which must not reach the window as its default command.
        LRESULT code = DefSubclassProc(Handle(), message, wParam, lParam) & ~static_cast<LRESULT>(DLGC_WANTTAB);
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && (key->wParam == VK_TAB || key->wParam == VK_ESCAPE))
            code &= ~static_cast<LRESULT>(DLGC_WANTMESSAGE);
        return code;
    }
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        break;
    case WM_GETFONT:
        // Not every rich edit control answers with the font it was given; readers of the font ask here.
        if (const LRESULT font = DefSubclassProc(Handle(), message, wParam, lParam))
            return font;
        return reinterpret_cast<LRESULT>(font_);
    case WM_CONTEXTMENU:
        menu_.SetEnabled(kCopyItem, HasSelection());
        OnContextMenu(lParam);
        return 0;
    }
    return DefSubclassProc(Handle(), message, wParam, lParam);
}

}
