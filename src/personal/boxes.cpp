// The own-recipe windows' boxes.
#include "personal/boxes.h"

#include "personal/texts.h"
#include "ui/application.h"

#include <string>

namespace personal {

void Inform(HWND owner, std::wstring_view text)
{
    ui::Application::Current().DialogService().MessageWithButtons(owner, std::wstring(text), std::wstring(kInformationCaption),
                                                                  MB_OK | MB_ICONINFORMATION, {{IDOK, L"OK"}});
}

bool AskYes(HWND owner, std::wstring_view text)
{
    return ui::Application::Current().DialogService().MessageWithButtons(
               owner, std::wstring(text), std::wstring(kInformationCaption), MB_YESNO | MB_ICONINFORMATION,
               {{IDYES, L"&Yes"}, {IDNO, L"&No"}}) == IDYES;
}

void Tell(std::wstring_view text)
{
    ui::Application::Current().ShowMessage(std::wstring(text));
}

}
