// The width in pixels of an icon's or cursor's picture, read from its mask; 0 for no icon.
#pragma once
#include <windows.h>

namespace test_support {

int IconWidth(HICON icon);

}
