// Processes of the system that tests lean on.
#pragma once
#include <windows.h>

#include <string_view>

namespace test_support {

// A running process other than this one, standing for a second copy of the program; 0 when none.
DWORD AnotherRunningProcess();

// Runs this test program again, as a child process, on the one disabled test `test` ("Suite.Name"
// without DISABLED_), with the environment as it is now; ends it after `killAfter` milliseconds if
// it has not ended by then. Returns its exit code.
DWORD RunThisProgramOn(std::wstring_view test, DWORD killAfter = INFINITE);

}
