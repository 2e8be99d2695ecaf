// The list fill and the positional selection.
#include "catalogue/category_fill.h"

#include "catalogue/categories.h"
#include "ui/resource_text.h"

namespace catalogue {

int FillNames(data::Table& table, ui::ListBox& list, std::vector<std::wstring>& names,
              const std::function<void(int)>& showCount)
{
    // Redrawing for each added row costs far more than the row itself.
    struct Redraw {
        ui::Control& control;
        explicit Redraw(ui::Control& c) : control(c) { control.BeginUpdate(); }
        ~Redraw() { control.EndUpdate(); }
    } listRedraw{list};
    // The count is shown once, at the end: nothing is drawn while the fill runs, so a count set
    // for every row would cost time and show nothing more.
    int count = 0;
    try {
        table.ReadTexts(ui::ResourceText(kNameField), [&](std::wstring name) {
            list.Add(name);
            names.push_back(std::move(name));
            ++count;
        });
    } catch (...) {
        if (count > 0)
            showCount(count);
        throw;
    }
    if (count > 0)
        showCount(count);
    return count;
}

void ShowRecipeAt(data::Table& table, int index, bound::DbMemo& products, const std::wstring& productsField,
                  bound::DbMemo& method, const std::wstring& methodField)
{
    table.MoveToPosition(index > 0 ? static_cast<std::size_t>(index) : 0);
    products.Bind(table, productsField);
    method.Bind(table, methodField);
}

}
