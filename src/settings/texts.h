// The settings file's one message.
#pragma once
#include <string_view>

namespace settings {

// %s stands for the settings file's full path.
inline constexpr std::wstring_view kUnableToWriteMessage = L"Unable to write to %s";

}
