// what() carries the same message as UTF-8, for logs and test output.
#include "base/error.h"

#include "base/text.h"

#include <windows.h>

namespace base {

Error::Error(std::wstring_view message) : std::runtime_error(Narrow(message)), message_(message) {}

std::wstring SystemReason(unsigned long error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
        return L"достъпът е отказан";
    case ERROR_WRITE_PROTECT:
        return L"носителят е защитен срещу запис";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return L"файлът се използва от друга програма";
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
        return L"папката не съществува";
    case ERROR_INVALID_NAME:
        return L"името на файла не е допустимо";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return L"дискът е пълен";
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return L"на мястото му има друг файл";
    case ERROR_SUCCESS:
        return L"причината не е известна: опитът да бъде създаден сега успява";
    default:
        return L"системна грешка " + std::to_wstring(error);
    }
}

}
