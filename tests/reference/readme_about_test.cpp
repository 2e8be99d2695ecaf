// The readme window and the About box: the readme read at every showing, the sound started on
// activation and stopped on close, the two links handed to the shell, the hints.
#include "reference/about.h"
#include "reference/readme.h"
#include "support/advice_files.h"
#include "support/app_fixture.h"
#include "support/icon_width.h"
#include "support/keyboard.h"
#include "support/recording_platform.h"
#include "ui/form.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using test_support::WriteCp1251File;
using base::Narrow;
using Texts = std::vector<std::string>;

Texts Utf8(const std::vector<std::wstring>& texts)
{
    Texts utf8;
    for (const auto& text : texts)
        utf8.push_back(Narrow(text));
    return utf8;
}

// Closing the program's first window ends the program: the windows under test are not the first.
class ReferenceWindowTest : public test_support::AppTest {
protected:
    ui::Form mainForm{{.caption = L"Велмора XP"}};
};

class ReadmeTest : public ReferenceWindowTest {
protected:
    TForm3 form;
};

TEST_F(ReadmeTest, EveryShowingReadsTheFileAgain)
{
    EXPECT_EQ(Narrow(form.Memo1.Text()), "Memo1");
    WriteCp1251File(L"Readme 1.02.txt", L"Велмора XP\nпърво издание");
    form.Show();
    EXPECT_EQ(Narrow(form.Memo1.Text()), "Велмора XP\r\nпърво издание");
    form.Close();
    WriteCp1251File(L"Readme 1.02.txt", L"второ издание");
    form.Show();
    EXPECT_EQ(Narrow(form.Memo1.Text()), "второ издание");
    EXPECT_TRUE(Errors().empty());
}

TEST_F(ReadmeTest, AMissingReadmeIsReportedOnceAndTheWindowOpensWithItsText)
{
    form.Show();
    ASSERT_EQ(Errors().size(), 1u);
    const std::wstring full = (folder.Path() / L"Readme 1.02.txt").wstring();
    EXPECT_EQ(Narrow(Errors()[0]).rfind(Narrow(L"Cannot open file \"" + full + L"\". "), 0), 0u) << Narrow(Errors()[0]);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(Narrow(form.Memo1.Text()), "Memo1");
}

class AboutBoxTest : public ReferenceWindowTest {
protected:
    void Click(ui::Label& label)
    {
        PostMessageW(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(label.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        app.ProcessMessages();
    }

    test_support::RecordingSound sound;
    test_support::RecordingShell shell;
    TAboutBox box{sound, shell};
};

TEST_F(AboutBoxTest, EachShowingStartsTheSoundAndClosingStopsIt)
{
    EXPECT_TRUE(sound.calls.empty());
    box.Show();
    box.Close();
    box.Show();
    box.Close();
    EXPECT_EQ(Utf8(sound.calls), (Texts{"play about.wav", "stop", "play about.wav", "stop"}));
}

TEST_F(AboutBoxTest, TheWebLabelOpensItsCaptionAndTheMailLabelAlwaysTheMaker)
{
    box.Show();
    Click(box.Label2);
    Click(box.Label4);
    box.Label2.SetText(L"готварство.example/рецепти");
    box.Label4.SetText(L"someone@else.example");
    Click(box.Label2);
    Click(box.Label4);
    EXPECT_EQ(Utf8(shell.opened), (Texts{"http://www.velmora.example", "mailto:velmora@velmora.example",
                                         "http://готварство.example/рецепти", "mailto:velmora@velmora.example"}));
}

TEST_F(AboutBoxTest, TheLinksShowTheirAddressesAsHintsAndTheHandPointer)
{
    EXPECT_EQ(Narrow(box.Hints.HintOf(box.Label2.Handle())), "http://www.velmora.example");
    EXPECT_EQ(Narrow(box.Hints.HintOf(box.Label4.Handle())), "velmora@velmora.example");
    EXPECT_EQ(Narrow(box.Label2.Text()), "www.velmora.example");
    EXPECT_EQ(Narrow(box.Label4.Text()), "velmora@velmora.example");
    EXPECT_TRUE(box.Label2.OnSetCursor());
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(AboutBoxTest, TheLinksAreStopsOfTheTabKeyAndEnterOrSpaceOpensThem)
{
    using test_support::PressKey;
    box.Show();
    app.ProcessMessages();
    // The mail line is above the web line, and first in the Tab order.
    EXPECT_EQ(GetFocus(), box.Label4.Handle());
    PressKey(box.Label4.Handle(), VK_RETURN);
    PressKey(box.Label4.Handle(), VK_TAB);
    EXPECT_EQ(GetFocus(), box.Label2.Handle());
    PressKey(box.Label2.Handle(), VK_SPACE);
    PressKey(box.Label2.Handle(), VK_TAB, false, true);
    EXPECT_EQ(GetFocus(), box.Label4.Handle());
    EXPECT_EQ(Utf8(shell.opened), (Texts{"mailto:velmora@velmora.example", "http://www.velmora.example"}));
    EXPECT_TRUE(box.Visible()) << "Enter on a link closed the box";
}

TEST_F(AboutBoxTest, OnAScreenOfAnotherScaleThePicturesAreDrawnForItAndKeepTheirPlace)
{
    const auto iconWidth = [](const ui::IconImage& image) {
        return test_support::IconWidth(reinterpret_cast<HICON>(SendMessageW(image.Handle(), STM_GETICON, 0, 0)));
    };
    const auto width = [](const ui::IconImage& image) {
        RECT r;
        GetWindowRect(image.Handle(), &r);
        return r.right - r.left;
    };
    ASSERT_EQ(iconWidth(box.Image1), 32);
    const int before = width(box.Image1);

    RECT suggested{0, 0, 800, 600};
    SendMessageW(box.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));

    EXPECT_EQ(iconWidth(box.Image1), 64) << "the icon at the new screen's size";
    EXPECT_EQ(iconWidth(box.Image2), 64);
    EXPECT_EQ(width(box.Image1), 2 * before);
    EXPECT_TRUE(Errors().empty());
}

}
