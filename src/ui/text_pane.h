// The read-only text view drawn by the program: the text kept whole, wrapped to the width, only the
// visible lines painted, scrolled by the bar, the wheel and the keys, copied whole with Ctrl+A/Ctrl+C.
// It answers WM_GETTEXT, EM_GETLINECOUNT and EM_GETFIRSTVISIBLELINE as a text control does.
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
    void CopyAll() const;

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
};

}
