// The practical-advice window: five tabs of advice texts, the measures tab and the energy table.
#pragma once
#include "data/connection.h"
#include "bound/db_memo.h"
#include "data/table.h"
#include "ui/controls.h"
#include "bound/data_grid.h"
#include "ui/form.h"
#include "ui/page_control.h"

class TForm2 : public ui::Form {
public:
    TForm2();

    ui::PageControl PageControl1;
    ui::TextView Memo1;
    ui::TextView Memo2;
    ui::TextView Memo5;
    ui::TextView Memo4;
    bound::DbMemo DBMemo1;
    bound::DataGrid DBGrid2;
    bound::DataGrid DBGrid3;
    ui::TextView Memo6;
    bound::DataGrid DBGrid1;

    data::Connection kKal;
    data::Connection Merki;
    data::Connection Info;
    data::Connection dpm;
    data::Table kKalTable;
    data::Table MerkiTable;
    data::Table InfoTable;
    data::Table dpmTable;

    void TabSheet1Show();
    void TabSheet2Show();
    void TabSheet3Show();
    void TabSheet4Show();
    void TabSheet6Show();

    bool PreviewKey(const MSG& message) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The advice databases' tables opened and bound to the views that show them.
    void OpenTables();
    void PageShow(int index);
};
