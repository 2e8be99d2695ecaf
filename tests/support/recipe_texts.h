// Long ingredient and method texts that follow from a recipe's name, so a stored row can be
// checked whole from its name alone.
#pragma once
#include <string>

namespace test_support {

inline std::wstring ProductsOf(const std::wstring& name)
{
    std::wstring text = name + L"\r\n";
    for (int line = 0; line < 60; ++line)
        text += L"съставка " + std::to_wstring(line) + L" за " + name + L"\r\n";
    return text;
}

inline std::wstring MethodOf(const std::wstring& name)
{
    std::wstring text;
    for (int step = 0; step < 80; ++step)
        text += L"Стъпка " + std::to_wstring(step) + L": бърка се " + name + L". ";
    return text;
}

}
