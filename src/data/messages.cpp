// Bulgarian texts of the data layer's errors.
#include "data/messages.h"

#include "base/error.h"

#include <sqlite3.h>
#include <windows.h>

#include <filesystem>

namespace data::messages {

namespace {

// Bulgarian quotation marks around a name: „name“.
std::wstring Quoted(std::wstring_view name)
{
    return L"„" + std::wstring(name) + L"“";
}

}  // namespace

std::wstring UnsupportedProvider(std::wstring_view provider)
{
    return L"Доставчикът " + Quoted(provider) + L" не се поддържа.";
}

std::wstring NoDataSource()
{
    return L"Низът за връзка не посочва файл с данни (Data Source).";
}

std::wstring FileNotFound(std::wstring_view path)
{
    return L"Файлът " + Quoted(path) + L" не е намерен.";
}

std::wstring NotADatabase(std::wstring_view path, std::wstring_view reason)
{
    return L"Файлът " + Quoted(path) + L" не е база данни или е повреден (" + std::wstring(reason) + L").";
}

std::wstring EmptyDatabase(std::wstring_view path)
{
    return L"Файлът " + Quoted(path) + L" е празен: не е база данни или е повреден.";
}

namespace {

// SQLite's generic error carries its cause in English words only: the causes a damaged or foreign
// file gives are told in Bulgarian, any other by its code alone.
std::wstring GenericErrorReason(std::wstring_view detail)
{
    constexpr std::wstring_view kNoColumn = L"no such column: ";
    constexpr std::wstring_view kNoTable = L"no such table: ";
    if (detail == L"no such column: rowid")
        return L"записите на таблицата нямат вътрешни номера (rowid), по които програмата ги различава";
    if (detail.starts_with(kNoColumn))
        return L"в таблицата няма поле " + Quoted(detail.substr(kNoColumn.size()));
    if (detail.starts_with(kNoTable))
        return L"във файла няма таблица " + Quoted(detail.substr(kNoTable.size()));
    return L"базата данни не е във вида, който програмата очаква (код 1)";
}

struct CodeReason {
    int code;
    std::wstring_view text;
    bool showCode;  // the rare causes carry their number, for whoever looks into them
};

constexpr CodeReason kReasons[] = {
    {SQLITE_INTERNAL, L"вътрешна грешка на базата данни", true},
    {SQLITE_PERM, L"достъпът до файла е отказан", true},
    {SQLITE_ABORT, L"действието е прекъснато", true},
    {SQLITE_BUSY, L"файлът е зает или заключен от друга програма", false},
    {SQLITE_LOCKED, L"файлът е зает или заключен от друга програма", false},
    {SQLITE_NOMEM, L"няма достатъчно памет", true},
    {SQLITE_READONLY, L"файлът е само за четене", false},
    {SQLITE_INTERRUPT, L"действието е прекъснато", true},
    {SQLITE_IOERR, L"грешка при четене или запис на диска", true},
    {SQLITE_CORRUPT, L"файлът е повреден", false},
    {SQLITE_NOTFOUND, L"търсеното във файла не е намерено", true},
    {SQLITE_FULL, L"дискът е пълен", false},
    {SQLITE_CANTOPEN, L"файлът не може да бъде отворен", false},
    {SQLITE_PROTOCOL, L"заключването на файла не успя", true},
    {SQLITE_EMPTY, L"базата данни е празна", true},
    {SQLITE_SCHEMA, L"устройството на базата данни се промени по време на работа", true},
    {SQLITE_TOOBIG, L"текстът е твърде дълъг за базата данни", true},
    {SQLITE_CONSTRAINT, L"записът нарушава правило на таблицата", true},
    {SQLITE_MISMATCH, L"стойност от неподходящ вид", true},
    {SQLITE_MISUSE, L"неправилна употреба на базата данни", true},
    {SQLITE_NOLFS, L"файлът е твърде голям за тази система", true},
    {SQLITE_AUTH, L"достъпът е отказан", true},
    {SQLITE_FORMAT, L"неправилен формат на данните", true},
    {SQLITE_RANGE, L"неправилен номер на стойност в заявката", true},
    {SQLITE_NOTADB, L"файлът не е база данни", false},
};

}  // namespace

std::wstring Reason(int code, std::wstring_view detail)
{
    if ((code & 0xFF) == SQLITE_ERROR)
        return GenericErrorReason(detail);
    for (const CodeReason& reason : kReasons) {
        if (reason.code == (code & 0xFF))
            return std::wstring(reason.text) + (reason.showCode ? L" (код " + std::to_wstring(code) + L")" : L"");
    }
    return L"непозната грешка на базата данни (код " + std::to_wstring(code) + L")";
}

std::wstring DatabaseFailed(std::wstring_view path, std::wstring_view reason)
{
    return L"Грешка при работа с " + Quoted(path) + L": " + std::wstring(reason) + L".";
}

std::wstring JournalRefused(std::wstring_view path, unsigned long systemError)
{
    const std::filesystem::path file{std::wstring(path)};
    return L"Грешка при работа с " + Quoted(path) + L": в папката " + Quoted(file.parent_path().wstring()) +
           L" не може да се създаде файлът " + Quoted(file.filename().wstring() + L"-journal") +
           L", без който записът не е сигурен (" + base::SystemReason(systemError) +
           L"). Нищо не е записано; проверете дали в папката може да се пише.";
}

std::wstring NoTableName()
{
    return L"Не е зададено име на таблица.";
}

std::wstring TableMissing(std::wstring_view table, std::wstring_view path)
{
    return L"Таблицата " + Quoted(table) + L" не съществува в " + Quoted(path) + L".";
}

std::wstring TableNotOpen(std::wstring_view table)
{
    return L"Таблицата " + Quoted(table) + L" не е отворена.";
}

std::wstring RenameOpenTable(std::wstring_view table, std::wstring_view name)
{
    return L"Таблицата " + Quoted(table) + L" е отворена и не може да бъде сменена с " + Quoted(name) + L".";
}

std::wstring NoCurrentRow(std::wstring_view table)
{
    return L"Таблицата " + Quoted(table) + L" няма текущ запис.";
}

std::wstring RowDeleted(std::wstring_view table)
{
    return L"Записът е изтрит от таблицата " + Quoted(table) + L" след последното ѝ прочитане.";
}

std::wstring NotDurable(std::wstring_view path)
{
    return L"Файлът " + Quoted(path) + L" не може да бъде настроен за сигурен запис.";
}

std::wstring NotInserting(std::wstring_view table)
{
    return L"В таблицата " + Quoted(table) + L" не се добавя запис.";
}

std::wstring FieldMissing(std::wstring_view field, std::wstring_view table)
{
    return L"Полето " + Quoted(field) + L" не съществува в таблицата " + Quoted(table) + L".";
}

std::wstring FieldIsNull(std::wstring_view field, std::wstring_view table)
{
    return L"Полето " + Quoted(field) + L" в таблицата " + Quoted(table) + L" няма стойност.";
}

std::wstring NoFullTextSearch(std::wstring_view path)
{
    return L"Търсенето в " + Quoted(path) + L" не може да започне: библиотеката SQLite е без пълнотекстово търсене (FTS5).";
}

std::wstring IndexUnreadable(std::wstring_view path)
{
    return L"Току-що направеният показалец за търсене " + Quoted(path) + L" не може да бъде прочетен.";
}

}  // namespace data::messages
