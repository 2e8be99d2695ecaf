// A stand-in for the message boxes and dialogs: records what was shown, answers from a script.
#pragma once
#include "ui/dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace test_support {

struct ShownMessage {
    std::wstring text;
    std::wstring caption;
    UINT style = 0;
    HWND owner = nullptr;
    // The program's own button captions, for boxes that name their buttons.
    std::vector<ui::ButtonCaption> buttons;
};

class ScriptedDialogs final : public ui::Dialogs {
public:
    int Message(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) override;
    int MessageWithButtons(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style,
                           const std::vector<ui::ButtonCaption>& buttons) override;
    std::optional<COLORREF> PickColor(HWND owner, COLORREF initial, ui::CustomColors& custom) override;
    std::optional<ui::FileChoice> SaveFile(HWND owner, const ui::FileRequest& request) override;
    std::optional<ui::FileChoice> OpenFile(HWND owner, const ui::FileRequest& request) override;

    std::vector<ShownMessage> messages;
    std::deque<int> messageAnswers;  // IDOK when empty; both kinds of box take their answers from here
    // Runs while a box is up, as the user and other programs act while the box's own loop runs.
    std::function<void(const ShownMessage&)> whileShown;

    struct ColorRequest {
        COLORREF initial;
        ui::CustomColors custom;
    };
    std::vector<ColorRequest> colorRequests;
    std::deque<std::optional<COLORREF>> colorAnswers;  // cancel when empty
    std::deque<ui::CustomColors> customColorEdits;     // what the user leaves in the custom panel

    std::vector<ui::FileRequest> saveRequests;
    std::deque<std::optional<ui::FileChoice>> saveAnswers;  // cancel when empty
    std::vector<ui::FileRequest> openRequests;
    std::deque<std::optional<ui::FileChoice>> openAnswers;  // cancel when empty
};

}
