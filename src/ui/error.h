// The program's errors: a message for the top-level error handler, and the silent abort.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

// what() holds the message as UTF-8, like every error the program raises.
class Error : public std::runtime_error {
public:
    explicit Error(std::wstring_view message);
};

// Ends a handler early without any message.
class Abort {};

// The top-level handler's text rule: a full stop is added when the last character sorts after '.'.
std::wstring WithFullStop(std::wstring text);

}
