// The recipe commands of the main window: the recipe on screen with the category it is listed in,
// copied with the command, the views' menus and Ctrl+Shift+C, and printed with the command.
#include "app/pelnor.h"
#include "output/document.h"
#include "output/texts.h"
#include "support/app_fixture.h"
#include "support/catalogue_db.h"
#include "support/keyboard.h"
#include "support/metafile_surface.h"
#include "support/scripted_menus.h"
#include "ui/clipboard.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class RecordingClipboard final : public ui::Clipboard {
public:
    void SetText(HWND, const std::wstring& text) override { texts.push_back(text); }
    std::vector<std::wstring> texts;
};

class MainWindowRecipeOutTest : public test_support::AppTest {
protected:
    MainWindowRecipeOutTest()
    {
        app.SetMenuTracker(menus);
        test_support::WriteCatalogue({{.name = L"Супи",
                                       .rows = {{L"Таратор", L"кисело мляко\r\nкраставица", L"Разбърква се."},
                                                {L"Боб чорба", L"боб", L"Вари се."}}}});
        form = std::make_unique<TForm1>(settings::SettingsFile((folder.Path() / L"velmora.ini").wstring()),
                                        components::Win32TrayShell::Instance(), output::Services{clipboard, printing});
    }
    void RunCommand(std::wstring_view name)
    {
        SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(form->ActionManager1.Get(name).id, 0), 0);
    }
    void ChooseEntry(int index)
    {
        form->ListBox1.Select(index);
        form->ListBox1Click();
    }

    test_support::ScriptedMenus menus;
    RecordingClipboard clipboard;
    test_support::RecordingPrinting printing;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowRecipeOutTest, CopyTakesTheRecipeOnScreenWithItsCategory)
{
    RunCommand(L"Kopirai");
    EXPECT_TRUE(clipboard.texts.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.front().text, output::kNoRecipeShown);

    RunCommand(L"Supi");
    ChooseEntry(1);
    RunCommand(L"Kopirai");
    menus.choices.push_back(std::wstring(output::kCopyCaption));
    SendMessageW(form->DBMemo1.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->DBMemo1.Handle()), MAKELPARAM(10, 10));
    const std::wstring expected = output::PlainText({L"Боб чорба", L"Бърза кухня - Супи", L"боб", L"Вари се."});
    EXPECT_EQ(clipboard.texts, (std::vector<std::wstring>{expected, expected}));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(MainWindowRecipeOutTest, PrintPutsTheWholeRecipeOnThePages)
{
    RunCommand(L"Supi");
    ChooseEntry(0);
    test_support::MetafileSurface surface;
    printing.surface = &surface;
    RunCommand(L"Pechat");
    ASSERT_EQ(printing.documents, std::vector<std::wstring>{L"Таратор"});
    std::vector<std::wstring> drawn;
    for (const auto& page : surface.Read()) {
        for (const auto& text : page)
            drawn.push_back(text.text);
    }
    const std::vector<std::wstring> parts{L"Таратор", L"Бърза кухня - Супи", L"Продукти", L"кисело мляко", L"краставица",
                                          L"Начин на приготвяне", L"1. Разбърква се."};
    ASSERT_GE(drawn.size(), parts.size());
    EXPECT_EQ(std::vector<std::wstring>(drawn.begin(), drawn.begin() + static_cast<long>(parts.size())), parts);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(MainWindowRecipeOutTest, CtrlShiftCCopiesAndCtrlPPrintsFromTheList)
{
    RunCommand(L"Supi");
    ChooseEntry(0);
    test_support::MetafileSurface surface;
    printing.surface = &surface;
    test_support::PressKey(form->ListBox1.Handle(), 'C', true, true);
    test_support::PressKey(form->ListBox1.Handle(), 'P', true, false);
    // Ctrl+C alone is the list's own, not the whole recipe.
    test_support::PressKey(form->ListBox1.Handle(), 'C', true, false);
    EXPECT_EQ(clipboard.texts, std::vector<std::wstring>{output::PlainText(
                                   {L"Таратор", L"Бърза кухня - Супи", L"кисело мляко\r\nкраставица", L"Разбърква се."})});
    EXPECT_EQ(printing.documents, std::vector<std::wstring>{L"Таратор"});
    EXPECT_TRUE(surface.finished);
}

}
