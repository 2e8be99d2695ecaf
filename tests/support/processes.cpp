// Finding another running process.
#include "support/processes.h"

#include <tlhelp32.h>

#include <string>

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

DWORD RunThisProgramOn(std::wstring_view test, DWORD killAfter)
{
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::wstring suite(test.substr(0, test.find(L'.') + 1));
    const std::wstring name(test.substr(suite.size()));
    std::wstring command = L"\"" + std::wstring(program) + L"\" --gtest_filter=" + suite + L"DISABLED_" + name +
                           L" --gtest_also_run_disabled_tests";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD exitCode = 0;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, killAfter) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return exitCode;
}

}
