// Custom cursors registered by number. Resource cursors are shared by the system and never destroyed.
// A cursor resource holds the cursor in the sizes of scaled screens: the system takes the one of the
// screen's cursor size.
#include "ui/cursors.h"

#include "base/error.h"
#include "ui/window.h"
#include "ui/texts.h"

#include <string>

namespace ui {

void Cursors::Register(int number, const wchar_t* resourceName)
{
    HCURSOR cursor = LoadCursorW(Instance(), resourceName);
    if (!cursor)
        throw base::Error(CursorMissing(resourceName));
    cursors_[number] = cursor;
}

HCURSOR Cursors::Get(int number) const
{
    const auto found = cursors_.find(number);
    return found == cursors_.end() ? LoadCursorW(nullptr, IDC_ARROW) : found->second;
}

}
