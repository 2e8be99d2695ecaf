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

// As many ingredient lines as a long recipe has, one per line.
inline std::wstring IngredientLines(int count)
{
    std::wstring text;
    for (int line = 1; line <= count; ++line)
        text += std::to_wstring(line * 10) + L" г съставка " + std::to_wstring(line) + (line < count ? L"\r\n" : L"");
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
