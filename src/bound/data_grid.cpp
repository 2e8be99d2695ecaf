// The data grid over a list view: owner-drawn cells and titles, virtual rows, cell-to-cell keys.
#include "bound/data_grid.h"

#include "ui/application.h"
#include "ui/color.h"
#include "ui/dialogs.h"
#include "ui/dpi.h"
#include "ui/list_view.h"

#include <commctrl.h>

#include <algorithm>

namespace bound {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kTextInset = 2;

constexpr wchar_t kDeleteQuestion[] = L"Delete record?";
constexpr wchar_t kDeleteCaption[] = L"Confirm";

bool KeyDown(int key)
{
    return GetKeyState(key) < 0;
}

bool IsDecimalNumber(std::wstring_view value)
{
    if (!value.empty() && (value.front() == L'-' || value.front() == L'+'))
        value.remove_prefix(1);
    const auto point = value.find(L'.');
    if (point == std::wstring_view::npos || point == 0 || point + 1 == value.size())
        return false;
    const auto digits = [](std::wstring_view part) { return std::ranges::all_of(part, [](wchar_t c) { return c >= L'0' && c <= L'9'; }); };
    return digits(value.substr(0, point)) && digits(value.substr(point + 1));
}

void FillLine(HDC dc, int left, int top, int right, int bottom)
{
    RECT line{left, top, right, bottom};
    FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
}

}

std::wstring GridText(std::wstring_view value)
{
    std::wstring text(value);
    if (IsDecimalNumber(value))
        text[text.find(L'.')] = L',';
    return text;
}

DataGrid::DataGrid(const Args& args) : columns_(args.columns), readOnly_(args.readOnly)
{
    Create({.className = WC_LISTVIEWW,
            .parent = args.parent,
            .bounds = args.bounds,
            .style = LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER |
                     WS_TABSTOP | WS_BORDER});
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER, LVS_EX_DOUBLEBUFFER);
    Send(LVM_SETBKCOLOR, 0, ui::kLight3D.Resolve());
    for (const auto& column : columns_)
        ui::AddListColumn(*this, column.field, ui::Scaled(column.width, ui::DpiOf(Handle())), column.centred ? LVCFMT_CENTER : LVCFMT_LEFT);
    // The titles are drawn by the grid: centred on their own colour.
    const auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    SetWindowLongW(header, GWL_STYLE, (GetWindowLongW(header, GWL_STYLE) & ~HDS_DRAGDROP) | HDS_NOSIZING);
    for (int index = 0; index < static_cast<int>(columns_.size()); ++index) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        item.fmt = HDF_OWNERDRAW;
        SendMessageW(header, HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
    }
    SetWindowSubclass(Handle(), &DataGrid::ListProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void DataGrid::OnDpiChanged(int fromDpi, int toDpi)
{
    ui::ScaleListColumns(*this, fromDpi, toDpi);
}

DataGrid::~DataGrid()
{
    RemoveWindowSubclass(Handle(), &DataGrid::ListProcedure, kSubclassId);
}

void DataGrid::Bind(data::Table& table)
{
    table_ = &table;
    subscription_ = table.OnChange([this] { ShowTable(); });
    ShowTable();
}

int DataGrid::RowCount() const
{
    return table_ && table_->Active() ? static_cast<int>(table_->RecordCount()) : 0;
}

int DataGrid::CurrentRow() const
{
    return table_ && table_->Active() && !table_->Eof() ? static_cast<int>(table_->Position()) : -1;
}

std::wstring DataGrid::CellText(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(columns_.size()))
        return {};
    return GridText(table_->ValueAt(static_cast<std::size_t>(row), columns_[column].field).value_or(L""));
}

void DataGrid::ShowTable()
{
    const int row = CurrentRow();
    showing_ = true;
    Send(LVM_SETITEMCOUNT, RowCount(), LVSICF_NOSCROLL);
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    if (row >= 0) {
        LVITEMW current{};
        current.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        current.state = LVIS_SELECTED | LVIS_FOCUSED;
        Send(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&current));
        Send(LVM_ENSUREVISIBLE, row, FALSE);
    }
    showing_ = false;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void DataGrid::RedrawRow(int row)
{
    if (row >= 0)
        Send(LVM_REDRAWITEMS, row, row);
}

void DataGrid::MoveToCell(int row, int column)
{
    column_ = column;
    if (row != CurrentRow())
        table_->MoveToPosition(static_cast<std::size_t>(row));
    else
        RedrawRow(row);
}

bool DataGrid::WantsTab(const MSG* message) const
{
    if (!message || message->message != WM_KEYDOWN || message->wParam != VK_TAB || KeyDown(VK_CONTROL) || RowCount() == 0)
        return false;
    const int row = CurrentRow();
    if (KeyDown(VK_SHIFT))
        return row > 0 || (row == 0 && column_ > 0);
    const int last = static_cast<int>(columns_.size()) - 1;
    return row < 0 || row < RowCount() - 1 || column_ < last;
}

bool DataGrid::OnKeyDown(WPARAM key)
{
    const int last = static_cast<int>(columns_.size()) - 1;
    const int row = CurrentRow();
    switch (key) {
    case VK_LEFT:
        if (column_ > 0)
            MoveToCell(row, column_ - 1);
        return true;
    case VK_RIGHT:
        if (column_ < last)
            MoveToCell(row, column_ + 1);
        return true;
    case VK_TAB:
        if (KeyDown(VK_CONTROL) || RowCount() == 0)
            return false;
        if (row < 0)
            MoveToCell(0, 0);
        else if (KeyDown(VK_SHIFT))
            column_ > 0 ? MoveToCell(row, column_ - 1) : (row > 0 ? MoveToCell(row - 1, last) : void());
        else
            column_ < last ? MoveToCell(row, column_ + 1) : (row + 1 < RowCount() ? MoveToCell(row + 1, 0) : void());
        return true;
    case VK_DELETE:
        if (!KeyDown(VK_CONTROL))
            return false;
        if (!readOnly_)
            DeleteCurrentRow();
        return true;
    }
    return false;
}

void DataGrid::DeleteCurrentRow()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    confirmingRow_ = row;
    RedrawRow(row);
    UpdateWindow(Handle());
    auto& dialogs = ui::Application::Current().DialogService();
    int answer = IDCANCEL;
    try {
        answer = dialogs.MessageWithButtons(GetAncestor(Handle(), GA_ROOT), kDeleteQuestion, kDeleteCaption,
                                            MB_OKCANCEL | MB_ICONQUESTION, {{IDOK, L"OK"}, {IDCANCEL, L"Cancel"}});
    } catch (...) {
        confirmingRow_ = -1;
        throw;
    }
    confirmingRow_ = -1;
    if (answer == IDOK)
        table_->Delete();
    else
        RedrawRow(row);
}

LRESULT DataGrid::OnNotify(NMHDR* header)
{
    switch (header->code) {
    case LVN_GETDISPINFOW: {
        auto& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
            const std::wstring text = CellText(item.iItem, item.iSubItem);
            const auto length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
            text.copy(item.pszText, length);
            item.pszText[length] = L'\0';
        }
        return 0;
    }
    case LVN_ITEMCHANGED: {
        const auto& change = *reinterpret_cast<NMLISTVIEW*>(header);
        const bool selected = (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
        if (!showing_ && selected && change.iItem >= 0 && change.iItem != CurrentRow())
            table_->MoveToPosition(static_cast<std::size_t>(change.iItem));
        return 0;
    }
    }
    return 0;
}

bool DataGrid::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    const int row = static_cast<int>(item.itemID);
    const bool focused = GetFocus() == Handle();
    HDC dc = item.hDC;
    SetBkMode(dc, TRANSPARENT);
    int left = item.rcItem.left;
    for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
        // The list view's own widths: they follow the screen's scale.
        RECT cell{left, item.rcItem.top, left + static_cast<int>(Send(LVM_GETCOLUMNWIDTH, column)), item.rcItem.bottom};
        left = cell.right;
        const bool current = (focused && row == CurrentRow() && column == column_) || row == confirmingRow_;
        FillRect(dc, &cell, GetSysColorBrush(current ? COLOR_HIGHLIGHT : COLOR_3DLIGHT));
        // Lines between cells and between rows.
        FillLine(dc, cell.right - 1, cell.top, cell.right, cell.bottom);
        FillLine(dc, cell.left, cell.bottom - 1, cell.right, cell.bottom);
        RECT text{cell.left + kTextInset, cell.top, cell.right - 1 - kTextInset, cell.bottom - 1};
        SetTextColor(dc, GetSysColor(current ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const std::wstring shown = CellText(row, column);
        DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | (columns_[column].centred ? DT_CENTER : DT_LEFT));
        if (current)
            DrawFocusRect(dc, &text);
    }
    return true;
}

void DataGrid::DrawTitle(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_GRAYTEXT));
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (item.itemID >= columns_.size())
        return;
    const std::wstring& title = columns_[item.itemID].field;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    InflateRect(&r, -kTextInset, 0);
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

LRESULT CALLBACK DataGrid::ListProcedure(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    return ui::RunGuarded([&] { return reinterpret_cast<DataGrid*>(self)->HandleListMessage(message, wParam, lParam); });
}

LRESULT DataGrid::HandleListMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        LRESULT code = DefSubclassProc(Handle(), message, wParam, lParam);
        if (WantsTab(reinterpret_cast<const MSG*>(lParam)))
            code |= DLGC_WANTTAB;
        return code;
    }
    case WM_KEYDOWN:
        if (OnKeyDown(wParam))
            return 0;
        break;
    case WM_CHAR:
        // The Tab and Ctrl+Delete keys were handled as keys; they start no incremental search.
        if (wParam == L'\t' || wParam == 0x7F)
            return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        LVHITTESTINFO hit{};
        hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0 && hit.iSubItem >= 0) {
            column_ = hit.iSubItem;
            RedrawRow(CurrentRow());
        }
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(Handle(), message, wParam, lParam);
        RedrawRow(CurrentRow());
        return result;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_HEADER) {
            DrawTitle(item);
            return TRUE;
        }
        break;
    }
    case WM_NOTIFY:
        // Columns keep their widths: the user cannot drag or double-click a divider.
        switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case HDN_BEGINTRACKW:
        case HDN_BEGINTRACKA:
        case HDN_DIVIDERDBLCLICKW:
        case HDN_DIVIDERDBLCLICKA:
            return TRUE;
        }
        break;
    }
    return DefSubclassProc(Handle(), message, wParam, lParam);
}

}
