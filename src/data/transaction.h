// A write transaction that holds the file's write lock from its first statement: what is read
// inside it cannot be changed by another connection before what is written on the strength of it
// is committed.
#pragma once

#include "data/connection.h"

namespace data {

class WriteTransaction {
public:
    // Takes the write lock at once, waiting as long as the connection waits for a busy file; throws
    // base::Error when the file stays locked or cannot be written.
    explicit WriteTransaction(Connection& connection);
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    // Rolls back what was not committed.
    ~WriteTransaction();

    void Commit();
    void Rollback() noexcept;

private:
    Connection& connection_;
    bool open_ = true;
};

}  // namespace data
