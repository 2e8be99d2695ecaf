// The text rule of the top-level error handler.
#include "ui/error.h"

namespace ui {

std::wstring WithFullStop(std::wstring text)
{
    if (!text.empty() && text.back() > L'.')
        text += L'.';
    return text;
}

}
