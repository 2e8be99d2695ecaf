// FieldBinding: subscribing to the table and turning its current row into text.
#include "data/field_binding.h"

#include "base/error.h"
#include "data/messages.h"

namespace data {

FieldBinding::FieldBinding(Sink sink) : sink_(std::move(sink)) {}

void FieldBinding::Bind(Table& table, std::wstring field)
{
    if (field.empty()) {
        Unbind();
        return;
    }
    // Binding again to the same field changes nothing, so the view is not refilled for nothing.
    if (table_ == &table && field_ == field)
        return;
    if (table.Active() && !table.HasField(field))
        throw base::Error(messages::FieldMissing(field, table.TableName()));
    table_ = &table;
    field_ = std::move(field);
    subscription_ = table.OnChange([this] { Show(); });
    Show();
}

void FieldBinding::Unbind()
{
    subscription_.Reset();
    table_ = nullptr;
    field_.clear();
    Show();
}

void FieldBinding::Show() const
{
    if (!table_ || !table_->Active() || table_->Eof()) {
        sink_(L"");
        return;
    }
    sink_(table_->FieldValue(field_).value_or(L""));
}

}  // namespace data
