// Durable writes for the own-recipe database.
#include "data/durability.h"

#include "base/error.h"
#include "data/messages.h"
#include "data/sqlite_handle.h"

namespace data {

namespace {

std::wstring PragmaValue(Connection& connection, const char* sql)
{
    Statement pragma(connection.Handle(), sql);
    return pragma.Step() ? pragma.Text(0).value_or(L"") : std::wstring();
}

}  // namespace

void RequireDurableWrites(Connection& connection)
{
    // Another copy of the program may hold the file for a moment; the busy wait covers the switch.
    if (PragmaValue(connection, "PRAGMA journal_mode = DELETE") != L"delete")
        throw base::Error(messages::NotDurable(connection.FullPath()));
    Statement(connection.Handle(), "PRAGMA synchronous = FULL").Run();
    if (PragmaValue(connection, "PRAGMA synchronous") != L"2")
        throw base::Error(messages::NotDurable(connection.FullPath()));
}

}  // namespace data
