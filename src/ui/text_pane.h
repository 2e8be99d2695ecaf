// The read-only text view drawn by the program: the text kept whole, wrapped to the width, only the
// visible lines painted, scrolled by the bar, the wheel and the keys. The mouse selects (a drag, a
// double click for a word); Ctrl+C copies the selection, or the whole text when none; Ctrl+A selects
// and copies the whole text. It answers WM_GETTEXT, EM_GETLINECOUNT, EM_GETFIRSTVISIBLELINE,
// EM_GETSEL and EM_SETSEL as a text control does.
#pragma once
#include "ui/text_layout.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace ui {

class TextPane {
public:
    // The window class to create the view's window with.
    static const wchar_t* ClassName();
    // Serves the window's messages from now until destroyed.
    explicit TextPane(HWND window);
    ~TextPane();
    TextPane(const TextPane&) = delete;
    TextPane& operator=(const TextPane&) = delete;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetText(std::wstring text);
    void Layout();
    int PageLines() const;
    void ScrollTo(long long line);
    void UpdateScrollBar();
    void OnScroll(WORD request);
    bool OnKeyDown(WPARAM key);
    void OnWheel(int delta);
    void Paint();
    void PaintSelection(HDC dc, const TextLine& line, int y) const;
    // The text position nearest to a point of the client area.
    size_t PositionAt(POINT point) const;
    int XOf(HDC dc, const TextLine& line, size_t position) const;
    void Select(size_t anchor, size_t caret);
    void SelectWordAt(size_t position);
    void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    // The selection, or the whole text when nothing is selected.
    void Copy() const;

    // What the scroll bar was last given, so that it is drawn again only when it changes.
    struct BarState {
        int max = -1;
        int page = 0;
        int position = 0;
        bool operator==(const BarState&) const = default;
        bool Scrolls() const { return max + 1 > page; }
    };

    HWND window_;
    std::optional<BarState> bar_;
    std::wstring text_;
    std::vector<TextLine> lines_;
    HFONT font_ = nullptr;
    int lineHeight_ = 16;
    int layoutWidth_ = -1;
    int top_ = 0;
    int wheelDelta_ = 0;
    // The selection runs from where it was started to where it was taken; empty when they meet.
    size_t anchor_ = 0;
    size_t caret_ = 0;
    bool dragging_ = false;
};

}
