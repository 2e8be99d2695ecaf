// Finding another running process.
#include "support/processes.h"

#include <tlhelp32.h>

namespace test_support {

DWORD AnotherRunningProcess()
{
    DWORD running = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !running; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID != 0 && entry.th32ProcessID != GetCurrentProcessId())
            running = entry.th32ProcessID;
    }
    CloseHandle(snapshot);
    return running;
}

}
