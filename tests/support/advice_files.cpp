// The advice test files.
#include "support/advice_files.h"

#include "support/scratch_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

namespace test_support {
namespace {

std::string Inserts(const std::string& table, const std::vector<std::string>& rows)
{
    std::string sql;
    for (const auto& row : rows)
        sql += "INSERT INTO " + table + " VALUES (" + row + ");";
    return sql;
}

}

void WriteAdviceDatabases(const AdviceRows& rows)
{
    std::filesystem::create_directories(L"Favour Advice");
    for (const wchar_t* file : {L"Favour Advice\\energy.fad", L"Favour Advice\\merki.fad", L"Favour Advice\\dpm.fad"})
        std::filesystem::remove(file);
    MakeDatabase(L"Favour Advice\\energy.fad",
                 "CREATE TABLE energy (\"Продукти/100 грама\" TEXT, \"Белтъчини/гр\" REAL, \"Мазнини/гр\" REAL, "
                 "\"Въглехидрати/гр\" REAL, \"Килокалории (ккал)\" INTEGER);" +
                     Inserts("energy", rows.energy));
    MakeDatabase(L"Favour Advice\\merki.fad",
                 "CREATE TABLE merki (\"Вид на продуктите\" TEXT, \"1 чаена чашка/гр\" REAL, \"1 кафена чашка/гр\" REAL, "
                 "\"1 супена лъжица/гр\" REAL, \"1 чаена лъжица/гр\" REAL, \"Инфо\" TEXT);" +
                     Inserts("merki", rows.merki));
    MakeDatabase(L"Favour Advice\\dpm.fad",
                 "CREATE TABLE dpm (\"Продукти\" TEXT, \"Мерки\" TEXT, \"Грамаж\" INTEGER);" + Inserts("dpm", rows.dpm));
}

void WriteCp1251File(const std::wstring& path, const std::wstring& text)
{
    std::string bytes(text.size() * 2 + 1, '\0');
    const int length = WideCharToMultiByte(1251, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                           static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(length);
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}

}
