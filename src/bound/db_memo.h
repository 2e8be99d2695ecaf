// The field-bound text view: a read-only text view that shows one field of its table's current row.
#pragma once
#include "data/field_binding.h"
#include "ui/controls.h"

namespace bound {

class DbMemo : public ui::TextView {
public:
    explicit DbMemo(const ui::TextView::Args& args);
    // Binds to a field of the table and shows the current row's value; an empty name blanks the view.
    void Bind(data::Table& table, const std::wstring& field);
    void Unbind();

private:
    data::FieldBinding binding_;
};

}
