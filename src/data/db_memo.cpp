// The field-bound text view.
#include "data/db_memo.h"

namespace data {

DbMemo::DbMemo(const ui::TextView::Args& args)
    : ui::TextView(args), binding_([this](const std::wstring& text) { SetContent(text); })
{
}

void DbMemo::Bind(Table& table, const std::wstring& field)
{
    binding_.Bind(table, field);
}

void DbMemo::Unbind()
{
    binding_.Unbind();
}

}
