// what() carries the same message as UTF-8, for logs and test output.
#include "data/error.h"

#include "base/text.h"

namespace data {

Error::Error(std::wstring message) : std::runtime_error(base::Narrow(message)), message_(std::move(message)) {}

}  // namespace data
