// A page control: a row (or rows) of tabs over pages, one page shown at a time. The pages are
// containers that controls are created on; the keyboard reaches them with Tab, and Ctrl+Tab and
// Ctrl+Shift+Tab choose the next and previous tab.
#pragma once
#include "ui/window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TabPage : public Window {
public:
    TabPage(HWND parent, const Rect& bounds);

protected:
    bool OnEraseBackground(HDC dc) override;
};

class PageControl : public Control {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        std::vector<std::wstring> captions;
    };
    explicit PageControl(const Args& args);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // The container of page `index`, the parent of the controls shown on it.
    HWND Page(int index) const { return pages_.at(index)->Handle(); }
    // The size of every page.
    int PageWidth() const { return pageWidth_; }
    int PageHeight() const { return pageHeight_; }

    int SelectedIndex() const;
    // Selects a tab as the user does: its page shows, then the change is reported.
    void Choose(int index);
    // Reports the selected page as shown again, as when the window holding the control is shown.
    void ShowSelected();

    // A page has become visible; then, when the user chose it, onChange runs.
    std::function<void(int)> onPageShow;
    std::function<void()> onChange;

    // Ctrl+Tab and Ctrl+Shift+Tab anywhere in the window; true when the key was taken.
    bool HandleKey(const MSG& message);

    LRESULT OnNotify(NMHDR* header) override;

private:
    void ShowPage(int index);

    std::vector<std::unique_ptr<TabPage>> pages_;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
};

}
