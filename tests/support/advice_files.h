// The practical-advice window's files made for tests: the three advice databases and the texts.
#pragma once
#include <string>
#include <vector>

namespace test_support {

// Rows as SQL value lists, e.g. "'Яйце', '1 яйце', 50".
struct AdviceRows {
    std::vector<std::string> energy;
    std::vector<std::string> merki;
    std::vector<std::string> dpm;
};

// Writes "Favour Advice\energy.fad", "merki.fad" and "dpm.fad" anew under the current folder.
void WriteAdviceDatabases(const AdviceRows& rows);

// Writes a text file in Windows-1251, as the program ships them.
void WriteCp1251File(const std::wstring& path, const std::wstring& text);

}
