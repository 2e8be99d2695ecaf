// The list of rows in columns and the progress bar.
#include "ui/list_view.h"

#include "ui/dpi.h"

#include <commctrl.h>

namespace ui {

void AddListColumn(const Control& list, const std::wstring& title, int width, int format)
{
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title.c_str());
    const auto count = SendMessageW(reinterpret_cast<HWND>(SendMessageW(list.Handle(), LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0);
    SendMessageW(list.Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&column));
}

ListView::ListView(const Args& args)
{
    Create({.className = WC_LISTVIEWW,
            .parent = args.parent,
            .bounds = args.bounds,
            .style = LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP | WS_BORDER});
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (const auto& column : args.columns)
        AddListColumn(*this, column.title, Scaled(column.width, DpiOf(Handle())));
}

void ListView::SetRows(std::vector<std::vector<std::wstring>> rows)
{
    rows_ = std::move(rows);
    LVITEMW cleared{};
    cleared.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&cleared));
    Send(LVM_SETITEMCOUNT, rows_.size(), 0);
    if (!rows_.empty())
        Send(LVM_ENSUREVISIBLE, 0, FALSE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void ScaleListColumns(const Control& list, int fromDpi, int toDpi)
{
    const auto count = SendMessageW(reinterpret_cast<HWND>(SendMessageW(list.Handle(), LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0);
    for (WPARAM column = 0; column < static_cast<WPARAM>(count); ++column) {
        const auto width = static_cast<int>(SendMessageW(list.Handle(), LVM_GETCOLUMNWIDTH, column, 0));
        SendMessageW(list.Handle(), LVM_SETCOLUMNWIDTH, column, MulDiv(width, toDpi, fromDpi));
    }
}

void ListView::OnDpiChanged(int fromDpi, int toDpi)
{
    ScaleListColumns(*this, fromDpi, toDpi);
}

const std::wstring& ListView::Cell(int row, int column) const
{
    return rows_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

int ListView::SelectedIndex() const
{
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::Select(int index)
{
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

LRESULT ListView::OnNotify(NMHDR* header)
{
    switch (header->code) {
    case LVN_GETDISPINFOW: {
        auto& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
        if ((item.mask & LVIF_TEXT) && item.iItem >= 0 && item.iItem < Count()) {
            const auto& row = rows_[static_cast<std::size_t>(item.iItem)];
            const auto column = static_cast<std::size_t>(item.iSubItem);
            // The control copies the text at once; the row stays until the next SetRows.
            item.pszText = const_cast<wchar_t*>(column < row.size() ? row[column].c_str() : L"");
        }
        return 0;
    }
    case LVN_ITEMACTIVATE: {
        const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
        if (onActivate && row >= 0 && row < Count())
            onActivate(row);
        return 0;
    }
    }
    return 0;
}

ProgressBar::ProgressBar(const Args& args)
{
    Create({.className = PROGRESS_CLASSW, .parent = args.parent, .bounds = args.bounds, .style = PBS_SMOOTH});
    Send(PBM_SETRANGE32, 0, args.maximum);
}

void ProgressBar::SetPosition(int position)
{
    Send(PBM_SETPOS, static_cast<WPARAM>(position));
}

int ProgressBar::Position() const
{
    return static_cast<int>(Send(PBM_GETPOS));
}

void ProgressBar::SetVisible(bool visible)
{
    ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

}
