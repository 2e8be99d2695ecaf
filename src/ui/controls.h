// The standard controls the windows use, each created from a small argument struct.
#pragma once
#include "ui/text_view.h"
#include "ui/gdi.h"
#include "ui/window.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class ListBox : public Control {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        bool flat = true;  // a thin single border instead of the sunken 3-D one
        int itemHeight = 13;
        // A horizontal scroll bar reaches the ends of entries wider than the list.
        bool horizontalScroll = false;
    };
    explicit ListBox(const Args& args);

    void Clear();
    void Add(const std::wstring& item);
    // Removes entry `index`; an index the list does not have changes nothing.
    void Remove(int index);
    int Count() const;
    std::wstring Item(int index) const;
    int SelectedIndex() const;  // -1 when nothing is selected
    // Selecting from code runs no selection handler.
    void Select(int index);
    // Where entry `index` is on the screen; empty when the list has no such entry.
    RECT ItemScreenRect(int index) const;
    // Runs when the user changes the selection with the mouse or the keyboard.
    std::function<void()> onSelectionChanged;

    void OnCommandNotification(WORD code) override;

protected:
    // The entries are measured again in the new font.
    void OnFontChanged() override;
    // The sideways extent follows the widest entry once per update, not once per wider entry.
    void OnEndUpdate() override;

private:
    static constexpr int kTextMargin = 6;
    int TextWidth(const std::wstring& item) const;
    bool horizontalScroll_;
    int widest_ = 0;  // the widest entry added since the list was last emptied, in pixels
    mutable MemoryDc measuring_;
    mutable HGDIOBJ measuredFont_ = nullptr;  // the font the widths belong to
    mutable bool fontKnown_ = false;          // measuredFont_ is the list's font
    // Advance widths by character, in pages of 256 made when first needed; -1: not read yet.
    using WidthPage = std::array<int, 256>;
    mutable std::array<std::unique_ptr<WidthPage>, 256> characterWidths_;
};

class Edit : public Control {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        bool flat = true;  // a thin single border instead of the sunken 3-D one
        int maxLength = 0;
    };
    explicit Edit(const Args& args);
    // Typing or a paste did not fit whole into the most characters the field takes.
    std::function<void()> onMaxText;

    // Runs after every change of the text, typed or set.
    std::function<void()> onChange;
    void OnCommandNotification(WORD code) override;
};

// A text label; a transparent one shows the picture or panel it stands on.
class Label : public Control {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        bool flat = true;  // a thin single border instead of the sunken 3-D one
        std::wstring text;
        bool transparent = true;
        HFONT font = nullptr;    // the parent's when null; the caller keeps it alive
        // A link: clicks run onClick, hints and cursors work, and it is a stop of the Tab key
        // that Enter or Space presses, with the focus shown around it.
        bool clickable = false;
    };
    explicit Label(const Args& args);
    ~Label() override;
    // Moves the label to the right of `before`, on the same line, when the font of this screen made
    // `before` wider than the design left room for; otherwise it stays where it is.
    void KeepRightOf(const Label& before);
    HBRUSH OnControlColor(HDC dc) override;
    void OnCommandNotification(WORD code) override;

    std::function<void()> onClick;

private:
    LRESULT HandleLinkMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool transparent_;
    bool link_;
};

// An icon of the executable's resources, drawn centred on the control's colour.
class IconImage : public Control {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        int icon = 0;  // resource number
    };
    explicit IconImage(const Args& args);

    void OnDpiChanged(int fromDpi, int toDpi) override;

private:
    // The icon's picture for a `dpi` screen, taken from the sizes the icon resource holds.
    void ShowIconAt(int dpi);

    int icon_;
};

class StatusBar : public Control {
public:
    struct Args {
        HWND parent = nullptr;
        int height = 20;
        std::vector<int> panelWidths;
    };
    explicit StatusBar(const Args& args);
    void SetPanelText(int panel, const std::wstring& text);
    std::wstring PanelText(int panel) const;

    void OnDpiChanged(int fromDpi, int toDpi) override;
};

}
