// Processes of the system that tests lean on.
#pragma once
#include <windows.h>

namespace test_support {

// A running process other than this one, standing for a second copy of the program; 0 when none.
DWORD AnotherRunningProcess();

}
