// Table: the row snapshot, movement, and the statements that change the file.
#include "data/table.h"

#include "data/error.h"
#include "data/messages.h"
#include "data/names.h"

#include <algorithm>

namespace data {

namespace {

// Every row read carries its rowid first, so deletes hit exactly the row the user saw.
std::string SelectRows(const std::string& table)
{
    return "SELECT rowid, * FROM " + table;
}

}  // namespace

Table::Table(Connection& connection) : connection_(connection) {}

void Table::SetTableName(std::wstring name)
{
    if (active_) {
        if (!SameName(name, name_))
            throw Error(messages::RenameOpenTable(name_, name));
        return;
    }
    name_ = std::move(name);
}

void Table::Open()
{
    if (active_)
        return;
    stored_name_ = StoredName();
    ReadRows();
    current_ = 0;
    active_ = true;
    changed_.Notify();
}

void Table::Close()
{
    if (!active_)
        return;
    active_ = false;
    fields_.clear();
    rows_.clear();
    current_ = 0;
    pending_.reset();
    changed_.Notify();
}

void Table::First()
{
    RequireOpen();
    current_ = 0;
    changed_.Notify();
}

void Table::Next()
{
    RequireOpen();
    if (current_ == rows_.size())
        return;
    ++current_;
    changed_.Notify();
}

void Table::MoveToPosition(std::size_t position)
{
    RequireOpen();
    current_ = std::min(position, rows_.size());
    changed_.Notify();
}

bool Table::Eof() const
{
    RequireOpen();
    return current_ == rows_.size();
}

std::size_t Table::RecordCount() const
{
    RequireOpen();
    return rows_.size();
}

std::size_t Table::Position() const
{
    RequireOpen();
    return current_;
}

bool Table::HasField(std::wstring_view field) const
{
    RequireOpen();
    return std::ranges::any_of(fields_, [field](const std::wstring& name) { return SameName(name, field); });
}

const std::vector<std::wstring>& Table::FieldNames() const
{
    RequireOpen();
    return fields_;
}

std::wstring Table::FieldText(std::wstring_view field) const
{
    RequireCurrentRow();
    std::optional<std::wstring> value = ValueAt(current_, field);
    if (!value)
        throw Error(messages::FieldIsNull(field, name_));
    return std::move(*value);
}

std::optional<std::wstring> Table::FieldValue(std::wstring_view field) const
{
    const std::size_t index = FieldIndex(field);
    if (current_ == rows_.size())
        return std::nullopt;
    return rows_[current_].values[index];
}

std::optional<std::wstring> Table::ValueAt(std::size_t row, std::wstring_view field) const
{
    const std::size_t index = FieldIndex(field);
    if (row >= rows_.size())
        throw Error(messages::NoCurrentRow(name_));
    return rows_[row].values[index];
}

void Table::Insert()
{
    RequireOpen();
    pending_.emplace();
}

void Table::SetFieldText(std::wstring_view field, std::wstring text)
{
    const std::size_t index = FieldIndex(field);
    if (!pending_)
        throw Error(messages::NotInserting(name_));
    const auto same = std::ranges::find(*pending_, index, &PendingRow::value_type::first);
    if (same != pending_->end())
        same->second = std::move(text);
    else
        pending_->emplace_back(index, std::move(text));
}

void Table::Post()
{
    RequireOpen();
    if (!pending_)
        throw Error(messages::NotInserting(name_));
    std::string sql = "INSERT INTO " + QuoteIdentifier(stored_name_);
    if (pending_->empty()) {
        sql += " DEFAULT VALUES";
    } else {
        std::string columns;
        std::string parameters;
        for (const auto& [index, text] : *pending_) {
            columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(fields_[index]);
            parameters += parameters.empty() ? "?" : ", ?";
        }
        sql += " (" + columns + ") VALUES (" + parameters + ")";
    }
    Statement insert(connection_.Handle(), sql);
    int parameter = 1;
    for (const auto& [index, text] : *pending_)
        insert.Bind(parameter++, text);
    insert.Run();
    pending_.reset();
    // Read the row back: the file filled in the ID and any defaults.
    rows_.push_back(ReadRow(sqlite3_last_insert_rowid(connection_.Handle())));
    current_ = rows_.size() - 1;
    changed_.Notify();
}

void Table::Delete()
{
    RequireCurrentRow();
    Statement(connection_.Handle(), "DELETE FROM " + QuoteIdentifier(stored_name_) + " WHERE rowid = ?")
        .Bind(1, rows_[current_].rowid)
        .Run();
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(current_));
    if (current_ == rows_.size() && current_ > 0)
        --current_;
    changed_.Notify();
}

void Table::Refresh()
{
    RequireOpen();
    const bool was_empty = rows_.empty();
    const bool was_at_end = current_ == rows_.size();
    const std::int64_t rowid = was_at_end ? 0 : rows_[current_].rowid;
    const std::size_t position = current_;
    ReadRows();
    const auto same = std::ranges::find(rows_, rowid, &Row::rowid);
    if (was_empty)
        current_ = 0;
    else if (was_at_end)
        current_ = rows_.size();
    else if (same != rows_.end())
        current_ = static_cast<std::size_t>(same - rows_.begin());
    else
        current_ = rows_.empty() ? 0 : std::min(position, rows_.size() - 1);
    changed_.Notify();
}

Subscription Table::OnChange(std::function<void()> observer)
{
    return changed_.Subscribe(std::move(observer));
}

void Table::RequireOpen() const
{
    if (!active_)
        throw Error(messages::TableNotOpen(name_));
}

void Table::RequireCurrentRow() const
{
    RequireOpen();
    if (current_ == rows_.size())
        throw Error(messages::NoCurrentRow(name_));
}

std::size_t Table::FieldIndex(std::wstring_view field) const
{
    RequireOpen();
    const auto found = std::ranges::find_if(fields_, [field](const std::wstring& name) { return SameName(name, field); });
    if (found == fields_.end())
        throw Error(messages::FieldMissing(field, name_));
    return static_cast<std::size_t>(found - fields_.begin());
}

// SQLite matches names regardless of case for Latin letters only; Jet did for Cyrillic too.
std::wstring Table::StoredName() const
{
    if (name_.empty())
        throw Error(messages::NoTableName());
    Statement tables(connection_.Handle(), "SELECT name FROM sqlite_master WHERE type = 'table'");
    while (tables.Step()) {
        std::wstring stored = tables.Text(0).value_or(L"");
        if (SameName(stored, name_))
            return stored;
    }
    throw Error(messages::TableMissing(name_, connection_.FullPath()));
}

void Table::ReadRows()
{
    Statement select(connection_.Handle(), SelectRows(QuoteIdentifier(stored_name_)) + " ORDER BY rowid");
    std::vector<std::wstring> fields;
    for (int column = 1; column < select.ColumnCount(); ++column)
        fields.push_back(select.ColumnName(column));
    std::vector<Row> rows;
    while (select.Step()) {
        Row row{select.Integer(0), {}};
        for (int column = 1; column < select.ColumnCount(); ++column)
            row.values.push_back(select.Text(column));
        rows.push_back(std::move(row));
    }
    fields_ = std::move(fields);
    rows_ = std::move(rows);
}

Table::Row Table::ReadRow(std::int64_t rowid) const
{
    Statement select(connection_.Handle(), SelectRows(QuoteIdentifier(stored_name_)) + " WHERE rowid = ?");
    select.Bind(1, rowid);
    Row row{rowid, std::vector<std::optional<std::wstring>>(fields_.size())};
    if (select.Step()) {
        for (std::size_t index = 0; index < row.values.size(); ++index)
            row.values[index] = select.Text(static_cast<int>(index) + 1);
    }
    return row;
}

}  // namespace data
