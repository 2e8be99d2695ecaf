// The field-bound text view.
#include "bound/db_memo.h"

namespace bound {

DbMemo::DbMemo(const ui::TextView::Args& args)
    : ui::TextView(args), binding_([this](const std::wstring& text) { SetContent(text); })
{
}

void DbMemo::Bind(data::Table& table, const std::wstring& field)
{
    binding_.Bind(table, field);
}

void DbMemo::Unbind()
{
    binding_.Unbind();
}

}
