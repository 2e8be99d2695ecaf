// The application test fixture.
#include "support/app_fixture.h"

#include <commctrl.h>


namespace test_support {

AppTest::AppTest()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    app.SetTitle(L"Велмора XP");
}

std::vector<std::wstring> AppTest::Errors() const
{
    std::vector<std::wstring> errors;
    for (const auto& message : dialogs.messages) {
        if (message.style & MB_ICONERROR)
            errors.push_back(message.text);
    }
    return errors;
}

}
