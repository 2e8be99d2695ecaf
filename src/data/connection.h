// An open database file, named by the connection string the program's windows were configured with.
#pragma once

#include "data/sqlite_handle.h"

#include <string>
#include <string_view>

namespace data {

// Opens the file named by Data Source (relative to the current folder) at construction; never creates
// one. Throws base::Error when the provider is not Jet 4.0, the file is missing or is not a database.
class Connection {
public:
    explicit Connection(std::wstring_view connection_string);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::wstring& FullPath() const noexcept { return full_path_; }
    sqlite3* Handle() const noexcept { return db_.get(); }

private:
    std::wstring full_path_;
    DatabaseHandle db_;
};

}  // namespace data
