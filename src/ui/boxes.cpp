// The information box and the plain message box.
#include "ui/boxes.h"

#include "ui/application.h"
#include "ui/texts.h"

#include <string>

namespace ui {

void Inform(HWND owner, std::wstring_view text)
{
    Application::Current().DialogService().MessageWithButtons(owner, std::wstring(text), std::wstring(kInformationCaption),
                                                              MB_OK | MB_ICONINFORMATION, {{IDOK, L"OK"}});
}

bool AskYes(HWND owner, std::wstring_view text)
{
    return Application::Current().DialogService().MessageWithButtons(owner, std::wstring(text), std::wstring(kInformationCaption),
                                                                     MB_YESNO | MB_ICONINFORMATION,
                                                                     {{IDYES, L"&Yes"}, {IDNO, L"&No"}}) == IDYES;
}

void Tell(std::wstring_view text)
{
    Application::Current().ShowMessage(std::wstring(text));
}

}
