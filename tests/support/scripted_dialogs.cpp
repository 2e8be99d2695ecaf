// The scripted dialogs.
#include "support/scripted_dialogs.h"

namespace test_support {

int ScriptedDialogs::Message(HWND, const std::wstring& text, const std::wstring& caption, UINT style)
{
    messages.push_back({text, caption, style});
    if (messageAnswers.empty())
        return IDOK;
    const int answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<COLORREF> ScriptedDialogs::PickColor(HWND, COLORREF initial, ui::CustomColors& custom)
{
    colorRequests.push_back({initial, custom});
    if (!customColorEdits.empty()) {
        custom = customColorEdits.front();
        customColorEdits.pop_front();
    }
    if (colorAnswers.empty())
        return std::nullopt;
    const auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

}
