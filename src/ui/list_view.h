// A list of rows in columns (a report-mode list view) whose cells the program keeps: the control
// asks for them as it draws, so filling it costs the same for ten rows or ten thousand.
#pragma once
#include "ui/window.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

struct ListColumn {
    std::wstring title;
    int width = 100;
};

// Appends a column to a report-mode list view; `format` is LVCFMT_LEFT, LVCFMT_CENTER or LVCFMT_RIGHT.
void AddListColumn(const Control& list, const std::wstring& title, int width, int format = LVCFMT_LEFT);
// Every column of a list view grows or shrinks from one screen scale to another.
void ScaleListColumns(const Control& list, int fromDpi, int toDpi);

class ListView : public Control {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        std::vector<ListColumn> columns;
    };
    explicit ListView(const Args& args);

    // Replaces every row; nothing is selected afterwards.
    void SetRows(std::vector<std::vector<std::wstring>> rows);
    int Count() const { return static_cast<int>(rows_.size()); }
    const std::wstring& Cell(int row, int column) const;
    int SelectedIndex() const;  // -1 when nothing is selected
    // Selects a row, makes it the focused one and scrolls it into view.
    void Select(int index);

    // A row was chosen: a double click on it, or Enter while it is selected.
    std::function<void(int)> onActivate;

    LRESULT OnNotify(NMHDR* header) override;
    void OnDpiChanged(int fromDpi, int toDpi) override;

private:
    std::vector<std::vector<std::wstring>> rows_;
};

// The platform's progress bar, from 0 to `maximum`.
class ProgressBar : public Control {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        int maximum = 100;
    };
    explicit ProgressBar(const Args& args);

    void SetPosition(int position);
    int Position() const;
    void SetVisible(bool visible);
};

}
