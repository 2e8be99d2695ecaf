// The program's one error type: a message meant for the user, thrown where a step fails and shown
// by the top-level error handler (or caught and told in other words). Every layer throws it.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace base {

class Error : public std::runtime_error {
public:
    explicit Error(std::wstring_view message);

    const std::wstring& Message() const noexcept { return message_; }

private:
    std::wstring message_;
};

// Why the system refused to create, write or replace a file (its error code), in the program's words.
std::wstring SystemReason(unsigned long error);

}
