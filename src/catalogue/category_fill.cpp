// The list fill and the positional selection.
#include "catalogue/category_fill.h"

#include "catalogue/categories.h"

namespace catalogue {

void FillNames(data::Table& table, ui::ListBox& list, const std::function<void(int)>& onRow)
{
    // Redrawing the list for each added row costs far more than the row itself.
    list.BeginUpdate();
    struct Redraw {
        ui::ListBox& list;
        ~Redraw() { list.EndUpdate(); }
    } redraw{list};
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
