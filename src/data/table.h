// A table of a database file, read as a snapshot of rows in stored order with a current row.
#pragma once

#include "data/connection.h"
#include "data/subscription.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace data {

// Rows are read at Open and Refresh, ordered as they were stored, so every pass lists them alike.
// Field names match regardless of case. Anything that needs rows or fields throws data::Error
// while the table is closed.
class Table {
public:
    explicit Table(Connection& connection);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Naming the open table again is allowed and changes nothing; naming another one is an error.
    void SetTableName(std::wstring name);
    const std::wstring& TableName() const noexcept { return name_; }

    // The first row becomes current; an empty table is at its end.
    void Open();
    void Close();
    bool Active() const noexcept { return active_; }

    void First();
    // From the last row, moves to the end; at the end, does nothing.
    void Next();
    // The row reached by First and then `position` times Next, with one change notification, so
    // that bound views are not redrawn for every row passed on the way.
    void MoveToPosition(std::size_t position);
    bool Eof() const;
    std::size_t RecordCount() const;
    // The current row's index; RecordCount() at the end.
    std::size_t Position() const;

    bool HasField(std::wstring_view field) const;
    const std::vector<std::wstring>& FieldNames() const;
    // The current row's value; throws at the end, for a NULL value and for a field the table lacks.
    std::wstring FieldText(std::wstring_view field) const;
    // For display: nullopt for NULL and at the end; still throws for a field the table lacks.
    std::optional<std::wstring> FieldValue(std::wstring_view field) const;
    // Any row's value, for views that list every row (a grid); nullopt for NULL.
    std::optional<std::wstring> ValueAt(std::size_t row, std::wstring_view field) const;

    // Insert starts a new row, SetFieldText fills it, Post stores it: the file assigns the ID and
    // the row joins the end of the snapshot as the current row.
    void Insert();
    void SetFieldText(std::wstring_view field, std::wstring text);
    void Post();

    // Removes the current row from the file at once; the next row (or the new last one) becomes current.
    void Delete();
    // Reads the rows again, staying on the same row if it is still there, else at the same place.
    void Refresh();

    // Called after the current row or the data changed: Open, Close, First, Next, Post, Delete, Refresh.
    Subscription OnChange(std::function<void()> observer);

private:
    struct Row {
        std::int64_t rowid = 0;
        std::vector<std::optional<std::wstring>> values;
    };
    using PendingRow = std::vector<std::pair<std::size_t, std::wstring>>;

    void RequireOpen() const;
    void RequireCurrentRow() const;
    std::size_t FieldIndex(std::wstring_view field) const;
    std::wstring StoredName() const;
    void ReadRows();
    Row ReadRow(std::int64_t rowid) const;

    Connection& connection_;
    std::wstring name_;
    std::wstring stored_name_;
    bool active_ = false;
    std::vector<std::wstring> fields_;
    std::vector<Row> rows_;
    std::size_t current_ = 0;
    std::optional<PendingRow> pending_;
    ChangeSignal changed_;
};

}  // namespace data
