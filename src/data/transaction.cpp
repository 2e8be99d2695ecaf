// Write transactions.
#include "data/transaction.h"

#include "data/sqlite_handle.h"

namespace data {

WriteTransaction::WriteTransaction(Connection& connection) : connection_(connection)
{
    Statement(connection_.Handle(), "BEGIN IMMEDIATE").Run();
}

WriteTransaction::~WriteTransaction()
{
    Rollback();
}

void WriteTransaction::Commit()
{
    Statement(connection_.Handle(), "COMMIT").Run();
    open_ = false;
}

void WriteTransaction::Rollback() noexcept
{
    // Some failures (a full disk, an I/O error) end the transaction by themselves.
    if (open_ && !sqlite3_get_autocommit(connection_.Handle()))
        sqlite3_exec(connection_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    open_ = false;
}

}  // namespace data
