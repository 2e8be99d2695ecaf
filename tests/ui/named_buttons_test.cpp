// The real message box with named buttons: the captions the program gives, whatever the system's language.
#include "ui/dialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// What the box showed, read from inside its own modal loop before a button is pressed.
std::map<int, std::wstring> seen;
int pressId = 0;

BOOL CALLBACK FindBox(HWND window, LPARAM found)
{
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK ReadAndPress(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr)
        return;
    KillTimer(nullptr, timer);
    for (const int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        if (HWND button = GetDlgItem(box, id)) {
            wchar_t text[64]{};
            GetWindowTextW(button, text, 64);
            seen[id] = text;
        }
    }
    SendMessageW(GetDlgItem(box, pressId), BM_CLICK, 0, 0);
}

struct BoxCase {
    UINT style;
    std::vector<ui::ButtonCaption> buttons;
    int press;
};

TEST(NamedButtonBox, ShowsTheProgramsCaptionsAndReturnsThePressedButton)
{
    const BoxCase cases[] = {
        {MB_YESNO | MB_ICONINFORMATION, {{IDYES, L"&Yes"}, {IDNO, L"&No"}}, IDNO},
        {MB_YESNO | MB_ICONINFORMATION, {{IDYES, L"&Yes"}, {IDNO, L"&No"}}, IDYES},
        {MB_OKCANCEL | MB_ICONQUESTION, {{IDOK, L"OK"}, {IDCANCEL, L"Cancel"}}, IDCANCEL},
        {MB_OK | MB_ICONINFORMATION, {{IDOK, L"OK"}}, IDOK},
    };
    ui::Win32Dialogs dialogs;
    for (const auto& box : cases) {
        seen.clear();
        pressId = box.press;
        SetTimer(nullptr, 0, 50, &ReadAndPress);
        EXPECT_EQ(dialogs.MessageWithButtons(nullptr, L"Текст", L"Information", box.style, box.buttons), box.press);
        for (const auto& button : box.buttons)
            EXPECT_EQ(seen[button.id], button.text);
    }
}

TEST(NamedButtonBox, APlainBoxAfterwardsKeepsTheSystemsCaptions)
{
    ui::Win32Dialogs dialogs;
    pressId = IDYES;
    SetTimer(nullptr, 0, 50, &ReadAndPress);
    dialogs.MessageWithButtons(nullptr, L"Текст", L"Information", MB_YESNO, {{IDYES, L"Програмно"}});
    seen.clear();
    SetTimer(nullptr, 0, 50, &ReadAndPress);
    dialogs.Message(nullptr, L"Текст", L"Велмора XP", MB_YESNO);
    EXPECT_NE(seen[IDYES], L"Програмно");
    EXPECT_FALSE(seen[IDYES].empty());
}

}
