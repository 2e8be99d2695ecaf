// The top-level error handler's rules: the silent abort, and the full stop added to a message.
#pragma once
#include <string>

namespace ui {

// Ends a handler early without any message.
class Abort {};

// The top-level handler's text rule: a full stop is added when the last character sorts after '.'.
std::wstring WithFullStop(std::wstring text);

}
