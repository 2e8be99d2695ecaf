// A table of a database file: its rows in stored order with a current row, field values read on demand.
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

// Which rows there are, and their order, is read at Open and Refresh (by rowid, as they were
// stored), so every pass lists them alike; field values are read from the file each time they are
// asked for, so a value is never older than the file. While a change is announced, the views that
// follow the table read the new current row once, whole, and share it. A row another connection deleted keeps its
// place until Refresh but has no values: FieldText throws, FieldValue and ValueAt give nullopt.
// Field names match regardless of case. Anything that needs rows or fields throws base::Error
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
    // The stored identity (rowid) of the row at `position` as Open or Refresh read the rows.
    std::int64_t RowIdAt(std::size_t position) const;

    bool HasField(std::wstring_view field) const;
    const std::vector<std::wstring>& FieldNames() const;
    // The current row's value; throws at the end, for a NULL value and for a field the table lacks.
    std::wstring FieldText(std::wstring_view field) const;
    // For display: nullopt for NULL and at the end; still throws for a field the table lacks.
    std::optional<std::wstring> FieldValue(std::wstring_view field) const;
    // Any row's value, for views that list every row (a grid); nullopt for NULL.
    std::optional<std::wstring> ValueAt(std::size_t row, std::wstring_view field) const;

    // What FieldText and Next from the current row to the end would give, read with one statement
    // and announced with one change notification: `sink` gets each row's value of `field` in order.
    // The rows from the current one on are taken as the file has them now. A NULL value throws as
    // FieldText does and, like an exception from `sink`, leaves that row current; otherwise the
    // table ends at its end.
    void ReadTexts(std::wstring_view field, const std::function<void(std::wstring)>& sink);

    // Insert starts a new row, SetFieldText fills it, Post stores it: the file assigns the ID and
    // the row joins the end of the rows as the current row.
    void Insert();
    void SetFieldText(std::wstring_view field, std::wstring text);
    void Post();

    // Removes the current row from the file at once; the next row (or the new last one) becomes current.
    // Throws when the row was no longer in the file, so no delete is taken as done that removed nothing.
    void Delete();
    // Reads the rows again, staying on the same row if it is still there, else at the same place.
    void Refresh();

    // Called after the current row or the data changed: Open, Close, First, Next, Post, Delete, Refresh.
    Subscription OnChange(std::function<void()> observer);

private:
    using Value = std::optional<std::wstring>;
    using PendingRow = std::vector<std::pair<std::size_t, std::wstring>>;

    void RequireOpen() const;
    void RequireCurrentRow() const;
    std::size_t FieldIndex(std::wstring_view field) const;
    std::wstring StoredName() const;
    void ReadFieldNames();
    void ReadRowids();
    // nullopt when the row is no longer in the file.
    std::optional<Value> ReadValue(std::int64_t rowid, std::size_t field) const;
    // Announces a change to the observers.
    void NotifyChanged();

    Connection& connection_;
    std::wstring name_;
    std::wstring stored_name_;
    bool active_ = false;
    std::vector<std::wstring> fields_;
    // The rows in stored order, by rowid; values are read through `readers_`, one per field,
    // prepared when the field is first read and kept while the table is open.
    std::vector<std::int64_t> rowids_;
    mutable std::vector<std::optional<Statement>> readers_;
    // While a change is announced: the row read whole for the observers (rowid and values; no
    // values when the row is gone), and the statement that reads it.
    bool announcing_ = false;
    mutable std::optional<std::pair<std::int64_t, std::optional<std::vector<Value>>>> announcedRow_;
    mutable std::optional<Statement> rowReader_;
    std::size_t current_ = 0;
    std::optional<PendingRow> pending_;
    ChangeSignal changed_;
};

}  // namespace data
