// Reading the string table straight from the loaded resources.
#include "ui/resource_text.h"

#include "base/error.h"
#include "ui/window.h"
#include "ui/texts.h"

namespace ui {

std::wstring ResourceText(UINT id)
{
    // With a zero buffer size LoadStringW hands out the resource's own text, which is not terminated.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(Instance(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr)
        throw base::Error(TextMissing(id));
    return std::wstring(text, static_cast<std::size_t>(length));
}

}
