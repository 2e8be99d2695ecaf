// The scripted dialogs.
#include "support/scripted_dialogs.h"

namespace test_support {

int ScriptedDialogs::Message(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style)
{
    return MessageWithButtons(owner, text, caption, style, {});
}

int ScriptedDialogs::MessageWithButtons(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style,
                                        const std::vector<ui::ButtonCaption>& buttons)
{
    messages.push_back({text, caption, style, owner, buttons});
    if (whileShown)
        whileShown();
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
