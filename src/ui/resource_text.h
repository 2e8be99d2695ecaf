// Texts kept in the executable's string table, such as the names of tables and fields.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

// Throws base::Error naming the number when the executable has no such string.
std::wstring ResourceText(UINT id);

}
