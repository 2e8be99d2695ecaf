// The program's two kinds of message box: the information box, with its buttons named as the
// windows name them, and the plain message box.
#pragma once
#include <windows.h>

#include <string_view>

namespace ui {

// Caption "Information", the information icon, one button "OK".
void Inform(HWND owner, std::wstring_view text);
// Caption "Information", the information icon, buttons "&Yes" and "&No"; true only for "&Yes".
bool AskYes(HWND owner, std::wstring_view text);
// The application title, no icon, "OK".
void Tell(std::wstring_view text);

}
