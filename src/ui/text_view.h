// The multi-line text views: read-only ones that show texts, and editable ones.
#pragma once
#include "ui/popup_menu.h"
#include "ui/window.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

// A read-only view is the platform's rich edit control, an editable one its plain edit control.
// Both give screen readers editable-text semantics, a caret, selection from the keyboard and the
// mouse, and Ctrl+C. A read-only view is not the plain edit control because that one lays out a
// paragraph in time that grows with the square of its length: a damaged recipe of 100 KB in one
// paragraph held the window for half a minute. The rich edit control has no context menu of its
// own: the view gives it the items a read-only edit control offers, Copy and Select All.
class TextView : public Control {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        bool flat = true;  // a thin single border instead of the sunken 3-D one
        bool readOnly = true;
        bool verticalScrollBar = false;
        bool tabStop = true;
        int maxLength = 0;  // an editable view's most characters; 0 keeps the control's default
    };
    explicit TextView(const Args& args);
    ~TextView() override;

    // Shows the text from its top; bare LF line ends are shown as line breaks.
    void SetContent(const std::wstring& text);
    // An editable view ran into its most characters: typing or a paste did not fit whole.
    std::function<void()> onMaxText;

    void OnCommandNotification(WORD code) override;

    // The window class of the read-only views.
    static const wchar_t* ReadOnlyClassName();

    // Places of the context menu's items.
    enum MenuItem { kCopyItem = 0, kSelectAllItem = 1 };
    const PopupMenu& ContextMenu() const { return menu_; }
    // Puts `items` after the view's own items in its context menu, below a separator.
    void AddContextItems(std::vector<ui::MenuItem> items);

protected:
    void OnColorChanged(COLORREF color) override;

private:
    LRESULT HandleViewMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HasSelection() const;

    bool readOnly_;
    HFONT font_ = nullptr;  // not owned
    PopupMenu menu_;
};

}
