// Screen scaling. The windows give every place, size and font height in pixels of a 96 dpi
// screen; the ui layer turns them into the pixels of the screen a window is on. Windows 10 and
// later tell each window its own monitor's dpi; before them every window has the system's.
#pragma once
#include <windows.h>

namespace ui {

struct Rect;

inline constexpr int kDesignDpi = 96;

// The dpi of the primary screen, the one windows are first created on.
int SystemDpi();
// The dpi a window is drawn at: its monitor's where the system tells it, else the system's.
int DpiOf(HWND window);

// A 96 dpi length at `dpi`, and back.
int Scaled(int value, int dpi);
int Unscaled(int value, int dpi);
Rect Scaled(const Rect& bounds, int dpi);

// AdjustWindowRectEx for a window at `dpi`: its frame and caption are measured at that dpi.
void AdjustForFrame(RECT& rect, DWORD style, DWORD exStyle, int dpi);

}
