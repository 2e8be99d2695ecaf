// The data grid: every row of a table in a report-mode list view with virtual data, the cells read
// from the table on demand as they are drawn or asked for (screen readers ask through the list
// view), a current cell moved by the keyboard and the mouse, the table's current row following it.
#pragma once
#include "data/subscription.h"
#include "data/table.h"
#include "ui/window.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bound {

struct GridColumn {
    std::wstring field;  // also the column's title
    int width = 64;
    bool centred = false;  // cells left-aligned otherwise; titles are always centred
};

// A stored value as the grid shows it: a decimal number with the decimal comma a Bulgarian reader
// writes ("3.6" shows as "3,6"); any other text as it is.
std::wstring GridText(std::wstring_view value);

class DataGrid : public ui::Control {
public:
    struct Args {
        HWND parent = nullptr;
        ui::Rect bounds;
        std::vector<GridColumn> columns;
        // A grid that is not read-only deletes its current row on Ctrl+Delete, after asking.
        bool readOnly = true;
    };
    explicit DataGrid(const Args& args);
    ~DataGrid() override;

    // Shows the table's rows and follows it through its change notifications; the table's
    // current row is the grid's current row.
    void Bind(data::Table& table);

    int RowCount() const;
    // The current cell; the row is -1 while the table is at its end or closed.
    int CurrentRow() const;
    int CurrentColumn() const { return column_; }
    // What a cell shows; a NULL value shows as blank.
    std::wstring CellText(int row, int column) const;

    LRESULT OnNotify(NMHDR* header) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged(int fromDpi, int toDpi) override;

private:
    static LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    LRESULT HandleListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnKeyDown(WPARAM key);
    bool WantsTab(const MSG* message) const;
    void MoveToCell(int row, int column);
    void DeleteCurrentRow();
    void ShowTable();
    void DrawTitle(const DRAWITEMSTRUCT& item) const;
    void RedrawRow(int row);

    std::vector<GridColumn> columns_;
    bool readOnly_;
    data::Table* table_ = nullptr;
    data::Subscription subscription_;
    int column_ = 0;
    // The row a deletion asks about, drawn highlighted whole while the question has the focus; -1 when none.
    int confirmingRow_ = -1;
    // Set while the grid moves the list view's selection itself, so that the move is not taken for the user's.
    bool showing_ = false;
};

}
