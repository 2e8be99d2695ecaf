// The test process's own desktop.
#include "support/own_desktop.h"

#include <stdexcept>
#include <string>

namespace test_support {

OwnDesktop::OwnDesktop()
    : original_(GetThreadDesktop(GetCurrentThreadId())),
      desktop_(CreateDesktopW((L"velmora-test-" + std::to_wstring(GetCurrentProcessId())).c_str(), nullptr, nullptr, 0,
                              GENERIC_ALL, nullptr))
{
    if (desktop_ == nullptr || !SetThreadDesktop(desktop_))
        throw std::runtime_error("the test cannot have a desktop of its own");
}

OwnDesktop::~OwnDesktop()
{
    if (SetThreadDesktop(original_))
        CloseDesktop(desktop_);
}

}
