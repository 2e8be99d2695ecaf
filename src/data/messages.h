// The data layer's messages to the user, kept together; each names the file, table or field at fault.
#pragma once

#include <string>
#include <string_view>

namespace data::messages {

std::wstring UnsupportedProvider(std::wstring_view provider);
std::wstring NoDataSource();
std::wstring FileNotFound(std::wstring_view path);
std::wstring NotADatabase(std::wstring_view path, std::wstring_view reason);
std::wstring EmptyDatabase(std::wstring_view path);
// SQLite's result code as the user reads it, always in Bulgarian; `detail`, SQLite's own English
// words, only tells the causes of a generic error apart and is never shown.
std::wstring Reason(int code, std::wstring_view detail);
std::wstring DatabaseFailed(std::wstring_view path, std::wstring_view reason);
// A write to `path` could not create its journal in the file's folder; `systemError` is the
// system's error code of that attempt.
std::wstring JournalRefused(std::wstring_view path, unsigned long systemError);
std::wstring NoTableName();
std::wstring TableMissing(std::wstring_view table, std::wstring_view path);
std::wstring TableNotOpen(std::wstring_view table);
std::wstring RenameOpenTable(std::wstring_view table, std::wstring_view name);
std::wstring NoCurrentRow(std::wstring_view table);
std::wstring RowDeleted(std::wstring_view table);
std::wstring NotDurable(std::wstring_view path);
std::wstring NotInserting(std::wstring_view table);
std::wstring FieldMissing(std::wstring_view field, std::wstring_view table);
std::wstring FieldIsNull(std::wstring_view field, std::wstring_view table);
std::wstring NoFullTextSearch(std::wstring_view path);
std::wstring IndexUnreadable(std::wstring_view path);

}  // namespace data::messages
