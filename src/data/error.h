// The one exception the data layer throws: a message the user can read, naming what failed.
#pragma once

#include <stdexcept>
#include <string>

namespace data {

class Error : public std::runtime_error {
public:
    explicit Error(std::wstring message);

    const std::wstring& Message() const noexcept { return message_; }

private:
    std::wstring message_;
};

}  // namespace data
