// Esc closes each of the reference windows shown modally, as the close box does.
#include "reference/about.h"
#include "reference/popmenu.h"
#include "reference/readme.h"
#include "support/advice_files.h"
#include "support/app_fixture.h"
#include "support/recording_platform.h"
#include "ui/form.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

class ModalEscTest : public test_support::AppTest {
protected:
    // Esc is waiting in the queue when the window opens; ShowModal returns once it has closed the window.
    void ShowModalAndPressEsc(ui::Form& form)
    {
        PostMessageW(form.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
        PostMessageW(form.Handle(), WM_KEYUP, VK_ESCAPE, 0xC0000001);
        form.ShowModal();
        EXPECT_FALSE(form.Visible());
        EXPECT_FALSE(form.Modal());
        EXPECT_TRUE(mainForm.Visible());
        EXPECT_FALSE(app.Terminated());
    }

    ui::Form mainForm{{.caption = L"Велмора XP"}};
};

TEST_F(ModalEscTest, EscClosesTheThreeReferenceWindows)
{
    mainForm.Show();
    test_support::WriteAdviceDatabases({});
    test_support::WriteCp1251File(L"Readme 1.02.txt", L"Велмора");
    for (const std::wstring file : {L"MKT", L"ZDP", L"KNS", L"KMG", L"Konservirane"})
        test_support::WriteCp1251File(L"Favour Advice\\" + file + L".txt", file);
    test_support::RecordingSound sound;
    test_support::RecordingShell shell;
    TForm2 advice;
    TForm3 readme;
    TAboutBox about(sound, shell);
    ShowModalAndPressEsc(advice);
    ShowModalAndPressEsc(readme);
    ShowModalAndPressEsc(about);
    EXPECT_EQ(sound.calls, (std::vector<std::wstring>{L"play about.wav", L"stop"}));
}

}
