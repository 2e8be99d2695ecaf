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
    if (whileShown) {
        const ShownMessage shown = messages.back();
        whileShown(shown);
    }
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

namespace {

std::optional<ui::FileChoice> NextAnswer(std::deque<std::optional<ui::FileChoice>>& answers)
{
    if (answers.empty())
        return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

}

std::optional<ui::FileChoice> ScriptedDialogs::SaveFile(HWND, const ui::FileRequest& request)
{
    saveRequests.push_back(request);
    return NextAnswer(saveAnswers);
}

std::optional<ui::FileChoice> ScriptedDialogs::OpenFile(HWND, const ui::FileRequest& request)
{
    openRequests.push_back(request);
    return NextAnswer(openAnswers);
}

}
