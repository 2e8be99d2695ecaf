// Table: the rows' order, movement, on-demand reads and the statements that change the file.
#include "data/table.h"

#include "base/error.h"
#include "data/messages.h"
#include "base/names.h"

#include <algorithm>
#include <exception>

namespace data {

namespace {

// Rows are known by rowid, so reads and deletes hit exactly the row the user saw.
std::string SelectRowids(const std::string& table)
{
    return "SELECT rowid FROM " + table + " ORDER BY rowid";
}

std::string SelectField(const std::string& table, const std::string& field)
{
    return "SELECT " + field + " FROM " + table + " WHERE rowid = ?";
}

std::string SelectRow(const std::string& table)
{
    return "SELECT * FROM " + table + " WHERE rowid = ?";
}

std::string SelectFieldFrom(const std::string& table, const std::string& field)
{
    return "SELECT rowid, " + field + " FROM " + table + " WHERE rowid >= ? ORDER BY rowid";
}

}  // namespace

Table::Table(Connection& connection) : connection_(connection) {}

void Table::SetTableName(std::wstring name)
{
    if (active_) {
        if (!base::SameName(name, name_))
            throw base::Error(messages::RenameOpenTable(name_, name));
        return;
    }
    name_ = std::move(name);
}

void Table::Open()
{
    if (active_)
        return;
    stored_name_ = StoredName();
    ReadFieldNames();
    ReadRowids();
    current_ = 0;
    active_ = true;
    NotifyChanged();
}

void Table::Close()
{
    if (!active_)
        return;
    active_ = false;
    fields_.clear();
    rowids_.clear();
    readers_.clear();
    rowReader_.reset();
    current_ = 0;
    pending_.reset();
    NotifyChanged();
}

void Table::First()
{
    RequireOpen();
    current_ = 0;
    NotifyChanged();
}

void Table::Next()
{
    RequireOpen();
    if (current_ == rowids_.size())
        return;
    ++current_;
    NotifyChanged();
}

void Table::MoveToPosition(std::size_t position)
{
    RequireOpen();
    current_ = std::min(position, rowids_.size());
    NotifyChanged();
}

bool Table::Eof() const
{
    RequireOpen();
    return current_ == rowids_.size();
}

std::size_t Table::RecordCount() const
{
    RequireOpen();
    return rowids_.size();
}

std::size_t Table::Position() const
{
    RequireOpen();
    return current_;
}

std::int64_t Table::RowIdAt(std::size_t position) const
{
    RequireOpen();
    if (position >= rowids_.size())
        throw base::Error(messages::NoCurrentRow(name_));
    return rowids_[position];
}

bool Table::HasField(std::wstring_view field) const
{
    RequireOpen();
    return std::ranges::any_of(fields_, [field](const std::wstring& name) { return base::SameName(name, field); });
}

const std::vector<std::wstring>& Table::FieldNames() const
{
    RequireOpen();
    return fields_;
}

std::wstring Table::FieldText(std::wstring_view field) const
{
    RequireCurrentRow();
    const std::size_t index = FieldIndex(field);
    std::optional<Value> value = ReadValue(rowids_[current_], index);
    if (!value)
        throw base::Error(messages::RowDeleted(name_));
    if (!*value)
        throw base::Error(messages::FieldIsNull(field, name_));
    return std::move(**value);
}

std::optional<std::wstring> Table::FieldValue(std::wstring_view field) const
{
    const std::size_t index = FieldIndex(field);
    if (current_ == rowids_.size())
        return std::nullopt;
    return ReadValue(rowids_[current_], index).value_or(std::nullopt);
}

std::optional<std::wstring> Table::ValueAt(std::size_t row, std::wstring_view field) const
{
    const std::size_t index = FieldIndex(field);
    if (row >= rowids_.size())
        throw base::Error(messages::NoCurrentRow(name_));
    return ReadValue(rowids_[row], index).value_or(std::nullopt);
}

void Table::ReadTexts(std::wstring_view field, const std::function<void(std::wstring)>& sink)
{
    const std::string column = QuoteIdentifier(fields_[FieldIndex(field)]);
    if (current_ == rowids_.size())
        return;
    Statement select(connection_.Handle(), SelectFieldFrom(QuoteIdentifier(stored_name_), column));
    select.Bind(1, rowids_[current_]);
    // The rest of the rows is read again as it is now, so rows deleted meanwhile drop out and the
    // values passed on line up with the rows' positions.
    rowids_.resize(current_);
    std::exception_ptr failure;
    while (select.Step()) {
        rowids_.push_back(select.Integer(0));
        if (failure)
            continue;
        try {
            std::optional<std::wstring> text = select.Text(1);
            if (!text)
                throw base::Error(messages::FieldIsNull(field, name_));
            sink(std::move(*text));
            ++current_;
        } catch (...) {
            failure = std::current_exception();
        }
    }
    NotifyChanged();
    if (failure)
        std::rethrow_exception(failure);
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
        throw base::Error(messages::NotInserting(name_));
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
        throw base::Error(messages::NotInserting(name_));
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
    rowids_.push_back(sqlite3_last_insert_rowid(connection_.Handle()));
    current_ = rowids_.size() - 1;
    NotifyChanged();
}

void Table::Delete()
{
    RequireCurrentRow();
    Statement(connection_.Handle(), "DELETE FROM " + QuoteIdentifier(stored_name_) + " WHERE rowid = ?")
        .Bind(1, rowids_[current_])
        .Run();
    // A row another connection deleted first is gone all the same, but this delete did nothing:
    // the caller must not report it as done.
    const bool removed = sqlite3_changes(connection_.Handle()) > 0;
    rowids_.erase(rowids_.begin() + static_cast<std::ptrdiff_t>(current_));
    if (current_ == rowids_.size() && current_ > 0)
        --current_;
    NotifyChanged();
    if (!removed)
        throw base::Error(messages::RowDeleted(name_));
}

void Table::Refresh()
{
    RequireOpen();
    const bool was_empty = rowids_.empty();
    const bool was_at_end = current_ == rowids_.size();
    const std::int64_t rowid = was_at_end ? 0 : rowids_[current_];
    const std::size_t position = current_;
    ReadRowids();
    const auto same = std::ranges::find(rowids_, rowid);
    if (was_empty)
        current_ = 0;
    else if (was_at_end)
        current_ = rowids_.size();
    else if (same != rowids_.end())
        current_ = static_cast<std::size_t>(same - rowids_.begin());
    else
        current_ = rowids_.empty() ? 0 : std::min(position, rowids_.size() - 1);
    NotifyChanged();
}

Subscription Table::OnChange(std::function<void()> observer)
{
    return changed_.Subscribe(std::move(observer));
}

// The views bound to the table each read their field of the new current row: reading the row once,
// whole, saves a statement and a lock of the file per view. The row is kept only while the change
// is announced, so a value read later is read from the file again.
void Table::NotifyChanged()
{
    struct Announcing {
        const Table& table;
        bool& flag;
        Announcing(const Table& t, bool& f) : table(t), flag(f) { flag = true; }
        ~Announcing()
        {
            flag = false;
            table.announcedRow_.reset();
        }
    } announcing{*this, announcing_};
    changed_.Notify();
}

void Table::RequireOpen() const
{
    if (!active_)
        throw base::Error(messages::TableNotOpen(name_));
}

void Table::RequireCurrentRow() const
{
    RequireOpen();
    if (current_ == rowids_.size())
        throw base::Error(messages::NoCurrentRow(name_));
}

std::size_t Table::FieldIndex(std::wstring_view field) const
{
    RequireOpen();
    const auto found = std::ranges::find_if(fields_, [field](const std::wstring& name) { return base::SameName(name, field); });
    if (found == fields_.end())
        throw base::Error(messages::FieldMissing(field, name_));
    return static_cast<std::size_t>(found - fields_.begin());
}

// SQLite matches names regardless of case for Latin letters only; Jet did for Cyrillic too.
std::wstring Table::StoredName() const
{
    if (name_.empty())
        throw base::Error(messages::NoTableName());
    Statement tables(connection_.Handle(), "SELECT name FROM sqlite_master WHERE type = 'table'");
    while (tables.Step()) {
        std::wstring stored = tables.Text(0).value_or(L"");
        if (base::SameName(stored, name_))
            return stored;
    }
    throw base::Error(messages::TableMissing(name_, connection_.FullPath()));
}

void Table::ReadFieldNames()
{
    // Preparing the statement is enough to learn the columns; no row is read.
    const Statement select(connection_.Handle(), "SELECT * FROM " + QuoteIdentifier(stored_name_));
    std::vector<std::wstring> fields;
    for (int column = 0; column < select.ColumnCount(); ++column)
        fields.push_back(select.ColumnName(column));
    fields_ = std::move(fields);
    readers_.clear();
    readers_.resize(fields_.size());
    rowReader_.reset();
}

void Table::ReadRowids()
{
    Statement select(connection_.Handle(), SelectRowids(QuoteIdentifier(stored_name_)));
    std::vector<std::int64_t> rowids;
    while (select.Step())
        rowids.push_back(select.Integer(0));
    rowids_ = std::move(rowids);
}

std::optional<Table::Value> Table::ReadValue(std::int64_t rowid, std::size_t field) const
{
    if (announcing_) {
        if (!announcedRow_ || announcedRow_->first != rowid) {
            if (!rowReader_)
                rowReader_.emplace(connection_.Handle(), SelectRow(QuoteIdentifier(stored_name_)));
            struct Rewind {
                Statement& statement;
                ~Rewind() { statement.Reset(); }
            } rewind{*rowReader_};
            rowReader_->Bind(1, rowid);
            std::optional<std::vector<Value>> values;
            if (rowReader_->Step()) {
                values.emplace();
                for (std::size_t column = 0; column < fields_.size(); ++column)
                    values->push_back(rowReader_->Text(static_cast<int>(column)));
            }
            announcedRow_.emplace(rowid, std::move(values));
        }
        if (!announcedRow_->second)
            return std::nullopt;
        return (*announcedRow_->second)[field];
    }
    std::optional<Statement>& reader = readers_[field];
    if (!reader)
        reader.emplace(connection_.Handle(), SelectField(QuoteIdentifier(stored_name_), QuoteIdentifier(fields_[field])));
    // A statement left on a row would keep the file locked against other connections' writes.
    struct Rewind {
        Statement& statement;
        ~Rewind() { statement.Reset(); }
    } rewind{*reader};
    reader->Bind(1, rowid);
    if (!reader->Step())
        return std::nullopt;
    return reader->Text(0);
}

}  // namespace data
