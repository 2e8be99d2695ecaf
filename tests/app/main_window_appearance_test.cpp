// The main window applies the settings file at creation, writes it at close, and recolours its
// views with the colour command.
#include "app/pelnor.h"
#include "support/app_fixture.h"
#include "support/catalogue_db.h"

#include <filesystem>
#include <fstream>

namespace {

class MainWindowAppearanceTest : public test_support::AppTest {
protected:
    MainWindowAppearanceTest() { test_support::WriteCatalogue({{L"Супи", {}}}); }

    std::unique_ptr<TForm1> Open() { return std::make_unique<TForm1>(settings::SettingsFile(settingsPath)); }

    // A hand-written settings file, as a user edits it.
    void WriteSettings(const std::string& utf8)
    {
        std::ofstream(std::filesystem::path(settingsPath), std::ios::binary) << utf8;
    }

    std::wstring Read(const wchar_t* section, const wchar_t* key) const
    {
        wchar_t value[256] = L"";
        GetPrivateProfileStringW(section, key, L"<missing>", value, 256, settingsPath.c_str());
        return value;
    }

    static LOGFONTW FontOf(const ui::Control& control)
    {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font;
    }

    static std::vector<ui::Color> ViewColors(const TForm1& form)
    {
        return {form.DBMemo1.BackgroundColor(), form.DBMemo2.BackgroundColor(), form.ListBox1.BackgroundColor()};
    }

    std::wstring settingsPath = (folder.Path() / L"velmora.ini").wstring();
};

TEST_F(MainWindowAppearanceTest, WithoutAFileTheViewsKeepTheDesignAndTheCloseWritesTheDefaults)
{
    auto form = Open();
    EXPECT_EQ(ViewColors(*form), std::vector<ui::Color>(3, ui::kLight3D));
    EXPECT_EQ(FontOf(form->DBMemo2).lfHeight, -11);

    form->Show();
    form->Close();
    app.ProcessMessages();

    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(Read(L"Programs", L"Ver"), L"1.02");
    EXPECT_EQ(Read(L"Programs", L"Name"), L"Велмора XP");
    EXPECT_EQ(Read(L"Settings", L"Color"), L"-16777194");
    EXPECT_EQ(Read(L"Settings", L"FName"), L"MS Sans Serif");
    EXPECT_EQ(Read(L"Settings", L"FSize"), L"8");
    EXPECT_EQ(Read(L"Settings", L"FHeight"), L"-11");
}

TEST_F(MainWindowAppearanceTest, TheFileColoursAndFontsTheThreeViews)
{
    WriteSettings("[settings]\r\ncolor=$FF\r\nFNAME=Arial\r\nFHeight=-16\r\nFSize=20\r\n");
    auto form = Open();

    EXPECT_EQ(ViewColors(*form), std::vector<ui::Color>(3, ui::Color::Direct(RGB(255, 0, 0))));
    for (const ui::Control* view : {static_cast<const ui::Control*>(&form->DBMemo1), static_cast<const ui::Control*>(&form->DBMemo2),
                                    static_cast<const ui::Control*>(&form->ListBox1)}) {
        const LOGFONTW font = FontOf(*view);
        EXPECT_STREQ(font.lfFaceName, L"Arial");
        EXPECT_EQ(font.lfHeight, -16);
    }

    form->Close();
    EXPECT_EQ(Read(L"Settings", L"Color"), L"255");
    EXPECT_EQ(Read(L"Settings", L"FName"), L"MS Sans Serif");
    EXPECT_EQ(Read(L"Settings", L"FSize"), L"12");
    EXPECT_EQ(Read(L"Settings", L"FHeight"), L"-16");
}

TEST_F(MainWindowAppearanceTest, TheColourCommandStartsOnTheLastChoiceAndKeepsCustomColours)
{
    auto form = Open();
    ui::CustomColors custom{};
    custom[0] = RGB(1, 2, 3);
    dialogs.customColorEdits.push_back(custom);
    dialogs.colorAnswers = {RGB(10, 20, 30), std::nullopt};
    const UINT color = form->ActionManager1.Get(L"color").id;

    SendMessageW(form->Handle(), WM_COMMAND, color, 0);
    EXPECT_EQ(ViewColors(*form), std::vector<ui::Color>(3, ui::Color::Direct(RGB(10, 20, 30))));

    SendMessageW(form->Handle(), WM_COMMAND, color, 0);  // cancelled
    EXPECT_EQ(ViewColors(*form), std::vector<ui::Color>(3, ui::Color::Direct(RGB(10, 20, 30))));

    ASSERT_EQ(dialogs.colorRequests.size(), 2u);
    EXPECT_EQ(dialogs.colorRequests[0].initial, RGB(0, 0, 0));
    EXPECT_EQ(dialogs.colorRequests[1].initial, RGB(10, 20, 30));
    EXPECT_EQ(dialogs.colorRequests[1].custom[0], RGB(1, 2, 3));
    EXPECT_FALSE(std::filesystem::exists(settingsPath)) << "the file is written only at close";
}

TEST_F(MainWindowAppearanceTest, ARefusedWriteIsReportedAndTheProgramStillEnds)
{
    settingsPath = (folder.Path() / L"missing folder" / L"velmora.ini").wstring();
    auto form = Open();
    form->Show();

    form->Close();
    app.ProcessMessages();

    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0], L"Unable to write to " + settingsPath + L".");
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(app.Terminated());
}

TEST_F(MainWindowAppearanceTest, AnExtremeFontHeightReadsAsTheDefaultAndIsNotWrittenBack)
{
    for (const char* height : {"2147483647", "-2147483648", "-1000", "0"}) {
        SCOPED_TRACE(height);
        WriteSettings(std::string("[Settings]\r\nFHeight=") + height + "\r\n");
        auto form = Open();
        EXPECT_EQ(FontOf(form->DBMemo1).lfHeight, -11);
        EXPECT_EQ(FontOf(form->ListBox1).lfHeight, -11);
        form->Close();
        EXPECT_EQ(Read(L"Settings", L"FHeight"), L"-11");
        EXPECT_EQ(Read(L"Settings", L"FSize"), L"8");
    }
}

TEST_F(MainWindowAppearanceTest, AFailedStartKeepsTheStoredAppearanceAtClose)
{
    test_support::WriteCatalogue({{L"Пролет", {}}});  // no table "Супи" to open at start
    WriteSettings("[Settings]\r\nColor=255\r\nFName=Arial\r\nFSize=12\r\nFHeight=-16\r\n");
    auto form = Open();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(ViewColors(*form), std::vector<ui::Color>(3, ui::kLight3D)) << "the failed start applies nothing";

    form->Close();

    EXPECT_EQ(Read(L"Settings", L"Color"), L"255");
    EXPECT_EQ(Read(L"Settings", L"FName"), L"Arial");
    EXPECT_EQ(Read(L"Settings", L"FSize"), L"12");
    EXPECT_EQ(Read(L"Settings", L"FHeight"), L"-16");
    EXPECT_EQ(Read(L"Programs", L"Ver"), L"1.02");
}

TEST_F(MainWindowAppearanceTest, AColourChosenAfterAFailedStartIsWrittenAndTheFontKept)
{
    test_support::WriteCatalogue({{L"Пролет", {}}});
    WriteSettings("[Settings]\r\nColor=255\r\nFHeight=-16\r\n");
    auto form = Open();
    dialogs.colorAnswers = {RGB(10, 20, 30)};
    SendMessageW(form->Handle(), WM_COMMAND, form->ActionManager1.Get(L"color").id, 0);

    form->Close();

    EXPECT_EQ(Read(L"Settings", L"Color"), std::to_wstring(RGB(10, 20, 30)));
    EXPECT_EQ(Read(L"Settings", L"FHeight"), L"-16");
}

}
