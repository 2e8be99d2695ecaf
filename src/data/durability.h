// Write settings for a database that holds data the user cannot get back: every change is on disk
// when the call that made it returns, and a write cut short leaves the file as it was.
#pragma once

#include "data/connection.h"

namespace data {

// A rollback journal with full synchronous writes: each statement commits on its own, the file is
// flushed before the call returns, and a journal left by a killed process is rolled back by the
// next connection that opens the file. Throws base::Error when the file refuses either setting.
void RequireDurableWrites(Connection& connection);

}  // namespace data
