#include "support/icon_width.h"

namespace test_support {

int IconWidth(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return mask.bmWidth;
}

}
