// Screen scaling: the per-monitor functions of Windows 10 are looked up at run time, so that the
// program still starts on Windows 7 and 8, where the system's dpi is every window's.
#include "ui/dpi.h"

#include "ui/window.h"

namespace ui {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <typename Function>
Function User32Function(const char* name)
{
    // user32 is loaded for as long as the program runs.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

GetDpiForWindowFunction GetDpiForWindowFunctionOf()
{
    static const auto function = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    return function;
}

AdjustWindowRectExForDpiFunction AdjustWindowRectExForDpiFunctionOf()
{
    static const auto function = User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    return function;
}

}

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

int DpiOf(HWND window)
{
    if (const auto function = GetDpiForWindowFunctionOf(); function && window) {
        if (const UINT dpi = function(window))
            return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int Scaled(int value, int dpi)
{
    return MulDiv(value, dpi, kDesignDpi);
}

int Unscaled(int value, int dpi)
{
    return MulDiv(value, kDesignDpi, dpi);
}

Rect Scaled(const Rect& bounds, int dpi)
{
    return {Scaled(bounds.left, dpi), Scaled(bounds.top, dpi), Scaled(bounds.width, dpi), Scaled(bounds.height, dpi)};
}

void AdjustForFrame(RECT& rect, DWORD style, DWORD exStyle, int dpi)
{
    if (const auto function = AdjustWindowRectExForDpiFunctionOf())
        function(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

}
