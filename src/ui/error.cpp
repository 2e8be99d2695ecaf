// The program's errors and the text rule of the top-level error handler.
#include "ui/error.h"

#include "base/text.h"

namespace ui {

Error::Error(std::wstring_view message) : std::runtime_error(base::Narrow(message)) {}

std::wstring WithFullStop(std::wstring text)
{
    if (!text.empty() && text.back() > L'.')
        text += L'.';
    return text;
}

}
