// The list fill and the positional selection.
#include "catalogue/category_fill.h"

#include "catalogue/categories.h"

namespace catalogue {

void FillNames(data::Table& table, ui::ListBox& list, ui::Control& counter, const std::function<void(int)>& onRow)
{
    // Redrawing for each added row costs far more than the row itself.
    struct Redraw {
        ui::Control& control;
        explicit Redraw(ui::Control& c) : control(c) { control.BeginUpdate(); }
        ~Redraw() { control.EndUpdate(); }
    } listRedraw{list}, counterRedraw{counter};
    int count = 0;
    while (!table.Eof()) {
        list.Add(table.FieldText(std::wstring(kNameField)));
        table.Next();
        onRow(++count);
    }
}

void MoveToPosition(data::Table& table, int index)
{
    table.MoveToPosition(index > 0 ? static_cast<std::size_t>(index) : 0);
}

}
