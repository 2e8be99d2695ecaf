// A desktop of the test process's own: tests run side by side under one wineserver never take the
// foreground window or the keyboard focus from each other.
#pragma once
#include <windows.h>

namespace test_support {

// Must be made before the thread creates any window; the thread returns to its first desktop after.
class OwnDesktop {
public:
    OwnDesktop();
    OwnDesktop(const OwnDesktop&) = delete;
    OwnDesktop& operator=(const OwnDesktop&) = delete;
    ~OwnDesktop();

private:
    HDESK original_;
    HDESK desktop_;
};

}
