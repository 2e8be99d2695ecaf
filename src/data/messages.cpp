// Bulgarian texts of the data layer's errors.
#include "data/messages.h"

#include <sqlite3.h>

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

std::wstring Reason(int code, std::wstring_view detail)
{
    switch (code & 0xFF) {
    case SQLITE_CORRUPT:
        return L"файлът е повреден";
    case SQLITE_NOTADB:
        return L"файлът не е база данни";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return L"файлът е зает или заключен от друга програма";
    case SQLITE_READONLY:
        return L"файлът е само за четене";
    case SQLITE_FULL:
        return L"дискът е пълен";
    case SQLITE_CANTOPEN:
        return L"файлът не може да бъде отворен";
    default:
        return L"грешка с код " + std::to_wstring(code) + L" (" + std::wstring(detail) + L")";
    }
}

std::wstring DatabaseFailed(std::wstring_view path, std::wstring_view reason)
{
    return L"Грешка при работа с " + Quoted(path) + L": " + std::wstring(reason) + L".";
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

}  // namespace data::messages
