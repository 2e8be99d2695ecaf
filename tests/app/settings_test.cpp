// The settings file: its number rules, reading the appearance from hand-made files, and writing it back.
#include "app/appearance.h"
#include "settings/settings_file.h"
#include "support/processes.h"
#include "support/scratch_folder.h"
#include "base/error.h"
#include "ui/font.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using app::ReadAppearance;
using settings::SettingsFile;
using app::WriteAppearance;

constexpr std::wstring_view kCaption = L"Велмора XP";
constexpr std::int32_t kLight3D = -16777194;

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, std::string_view bytes)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// Holds the file open without sharing, as another program may; the platform then refuses every write.
// (A read-only attribute cannot stand in for this: Wine run as root writes read-only files anyway.)
std::unique_ptr<void, HandleCloser> HoldExclusively(const std::wstring& path)
{
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return std::unique_ptr<void, HandleCloser>(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// The message of the error writing the appearance raises.
std::wstring RefusalOf(SettingsFile& file)
{
    try {
        WriteAppearance(file, ui::kLight3D, -11, L"Other");
    } catch (const base::Error& error) {
        return base::Widen(error.what());
    }
    return L"<no error>";
}

// The file's lines after its UTF-16LE byte-order mark, blank lines left out.
std::vector<std::wstring> UnicodeLines(const std::string& bytes)
{
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    std::memcpy(text.data(), bytes.data() + 2, text.size() * 2);
    std::vector<std::wstring> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        if (end > start)
            lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class SettingsTest : public ::testing::Test {
protected:
    test_support::ScratchFolder folder;
    std::wstring path = File(L"velmora.ini");
    SettingsFile file{path};

    std::wstring File(std::wstring_view name) const { return (folder.Path() / name).wstring(); }
    void Given(std::string_view ansiText) { WriteBytes(path, ansiText); }
    // Each case gets a file of its own, so no copy the system keeps of an earlier one can answer for it.
    SettingsFile FileWith(std::string_view ansiText)
    {
        const auto name = File(L"case" + std::to_wstring(++cases_) + L".ini");
        WriteBytes(name, ansiText);
        return SettingsFile(name);
    }
    std::wstring Read(std::wstring_view section, std::wstring_view key) const
    {
        return SettingsFile(path).ReadText(section, key, L"<missing>");
    }

private:
    int cases_ = 0;
};

TEST(SettingsParseInteger, FollowsTheNumberRules)
{
    const struct {
        std::wstring_view text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {L"0", 0},
        {L"00", 0},
        {L"255", 255},
        {L"+255", 255},
        {L"-11", -11},
        {L"2147483647", 2147483647},
        {L"-2147483648", -2147483647 - 1},
        {L"2147483648", std::nullopt},
        {L"-2147483649", std::nullopt},
        {L"$FF", 255},
        {L"$ff", 255},
        {L"$0000000FF", 255},
        {L"0xFF", 255},
        {L"0XfF", 255},
        {L"0x0", 0},
        {L"0x1", 1},
        {L"$FF000016", kLight3D},
        {L"0xFFFFFFFF", -1},
        {L"$100000000", std::nullopt},
        {L"0x", std::nullopt},
        {L"0X", std::nullopt},
        {L"$", std::nullopt},
        {L"", std::nullopt},
        {L"+", std::nullopt},
        {L"-", std::nullopt},
        {L"red", std::nullopt},
        {L"12abc", std::nullopt},
        {L"12.5", std::nullopt},
        {L"1 2", std::nullopt},
        {L"-$FF", std::nullopt},
        {L"$-1", std::nullopt},
        {L"0x-1", std::nullopt},
        {L"$FG", std::nullopt},
        {L"FF", std::nullopt},
        {L"\x0661\x0662", std::nullopt},  // digits of another script are not decimal digits here
    };
    for (const auto& c : cases)
        EXPECT_EQ(settings::ParseInteger(c.text), c.value) << base::Narrow(c.text);
}

TEST_F(SettingsTest, MissingFileGivesTheDefaultsAndIsNotCreated)
{
    ASSERT_EQ(ui::ScreenPixelsPerInch(), 96) << "the expected sizes are those of a 96 dpi screen";
    const auto appearance = ReadAppearance(file);
    EXPECT_EQ(appearance.color.value, kLight3D);
    EXPECT_EQ(appearance.font, (ui::FontSpec{.name = L"MS Sans Serif", .height = -11}));
    EXPECT_EQ(appearance.fontSize, 8);
    EXPECT_EQ(app::ReadColor(file).value, kLight3D);
    EXPECT_EQ(file.ReadText(L"Programs", L"Name", L"fallback"), L"fallback");
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsTest, ColorReadsNumbersAndFallsBackOnAnythingElse)
{
    const struct {
        std::string_view file;
        std::int32_t color;
    } cases[] = {
        {"[Settings]\r\nColor=255\r\n", 255},
        {"[Settings]\r\nColor=0xFF\r\n", 255},
        {"[Settings]\r\nColor=$FF\r\n", 255},
        {"[Settings]\r\nColor=$FF000016\r\n", kLight3D},
        {"[Settings]\r\nColor=-1\r\n", -1},
        {"[Settings]\r\nColor=red\r\n", kLight3D},
        {"[Settings]\r\nColor=\r\n", kLight3D},
        {"[Settings]\r\nColor=0x\r\n", kLight3D},
        {"[Settings]\r\nColor=12abc\r\n", kLight3D},
        {"[Settings]\r\nFSize=20\r\n", kLight3D},
        {"[Programs]\r\nColor=255\r\n", kLight3D},
        {"[settings]\r\ncolor=255\r\n", 255},
        {"[SETTINGS]\r\nCOLOR=255\r\n", 255},
    };
    for (const auto& c : cases) {
        const auto handMade = FileWith(c.file);
        EXPECT_EQ(app::ReadColor(handMade).value, c.color) << c.file;
        EXPECT_EQ(ReadAppearance(handMade).color.value, c.color) << c.file;
    }
}

TEST_F(SettingsTest, HeightAloneDecidesTheFont)
{
    ASSERT_EQ(ui::ScreenPixelsPerInch(), 96) << "the expected sizes are those of a 96 dpi screen";
    const struct {
        std::string_view file;
        ui::FontSpec font;
        int size;
    } cases[] = {
        {"[Settings]\r\nFSize=20\r\n", {.name = L"MS Sans Serif", .height = -11}, 8},
        {"[Settings]\r\nFSize=20\r\nFHeight=-16\r\n", {.name = L"MS Sans Serif", .height = -16}, 12},
        {"[Settings]\r\nFHeight=-13\r\n", {.name = L"MS Sans Serif", .height = -13}, 10},
        {"[Settings]\r\nFHeight=big\r\n", {.name = L"MS Sans Serif", .height = -11}, 8},
        {"[Settings]\r\nFName=Arial\r\n", {.name = L"Arial", .height = -11}, 8},
        {"[settings]\r\nFNAME=Arial\r\nfheight=$FFFFFFF0\r\n", {.name = L"Arial", .height = -16}, 12},
        {"[Settings]\r\nFHeight=-72\r\n", {.name = L"MS Sans Serif", .height = -72}, 54},
        {"[Settings]\r\nFHeight=-6\r\n", {.name = L"MS Sans Serif", .height = -6}, 5},
        {"[Settings]\r\nFHeight=2147483647\r\n", {.name = L"MS Sans Serif", .height = -11}, 8},
        {"[Settings]\r\nFHeight=-2147483648\r\n", {.name = L"MS Sans Serif", .height = -11}, 8},
        {"[Settings]\r\nFHeight=-1000\r\n", {.name = L"MS Sans Serif", .height = -11}, 8},
        {"[Settings]\r\nFHeight=-73\r\n", {.name = L"MS Sans Serif", .height = -11}, 8},
        {"[Settings]\r\nFHeight=0\r\n", {.name = L"MS Sans Serif", .height = -11}, 8},
        {"[Settings]\r\nFHeight=5\r\n", {.name = L"MS Sans Serif", .height = -11}, 8},
    };
    for (const auto& c : cases) {
        const auto appearance = ReadAppearance(FileWith(c.file));
        EXPECT_EQ(appearance.font, c.font) << c.file;
        EXPECT_EQ(appearance.fontSize, c.size) << c.file;
    }
}

TEST_F(SettingsTest, TextIsReadUpTo2047Characters)
{
    Given("[Programs]\r\nName=" + std::string(3000, 'a') + "\r\n");
    EXPECT_EQ(file.ReadText(L"Programs", L"Name", L""), std::wstring(2047, L'a'));
}

TEST_F(SettingsTest, WritingCreatesAUnicodeFileWithTheSixEntriesInOrder)
{
    WriteAppearance(file, ui::kLight3D, -11, kCaption);

    const auto bytes = ReadBytes(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    const std::vector<std::wstring> expected{
        L"[Programs]", L"Ver=1.02", L"Name=Велмора XP", L"[Settings]", L"Color=-16777194",
        L"FName=MS Sans Serif", L"FSize=8", L"FHeight=-11",
    };
    EXPECT_EQ(UnicodeLines(bytes), expected);
}

TEST_F(SettingsTest, CyrillicCaptionReadsBackAsWritten)
{
    WriteAppearance(file, ui::kLight3D, -11, kCaption);
    EXPECT_EQ(Read(L"Programs", L"Name"), kCaption);
}

TEST_F(SettingsTest, WrittenSizeFollowsTheHeight)
{
    ASSERT_EQ(ui::ScreenPixelsPerInch(), 96) << "the expected sizes are those of a 96 dpi screen";
    const struct {
        int height;
        std::wstring_view size;
    } cases[] = {{-16, L"12"}, {-11, L"8"}, {-13, L"10"}, {-20, L"15"}, {-8, L"6"}};
    for (const auto& c : cases) {
        WriteAppearance(file, ui::Color::Direct(RGB(1, 2, 3)), c.height, kCaption);
        EXPECT_EQ(Read(L"Settings", L"FSize"), c.size) << c.height;
        EXPECT_EQ(Read(L"Settings", L"FHeight"), std::to_wstring(c.height));
        EXPECT_EQ(Read(L"Settings", L"Color"), L"197121");
    }
}

TEST_F(SettingsTest, FaceIsReadButWrittenBackAsMsSansSerif)
{
    Given("[Settings]\r\nFName=Arial\r\nFHeight=-16\r\n");
    const auto appearance = ReadAppearance(file);
    ASSERT_EQ(appearance.font.name, L"Arial");

    WriteAppearance(file, appearance.color, appearance.font.height, kCaption);
    EXPECT_EQ(Read(L"Settings", L"FName"), L"MS Sans Serif");
    EXPECT_EQ(Read(L"Settings", L"FHeight"), L"-16");
}

TEST_F(SettingsTest, EntriesAddedByHandSurviveAWrite)
{
    Given("[Programs]\r\nVer=1.01\r\nAuthor=me\r\n[Mine]\r\nKey=value\r\n[Settings]\r\nColor=255\r\nExtra=1\r\n");
    WriteAppearance(file, ui::kLight3D, -11, kCaption);

    EXPECT_EQ(Read(L"Programs", L"Author"), L"me");
    EXPECT_EQ(Read(L"Mine", L"Key"), L"value");
    EXPECT_EQ(Read(L"Settings", L"Extra"), L"1");
    EXPECT_EQ(Read(L"Programs", L"Ver"), L"1.02");
    EXPECT_EQ(Read(L"Settings", L"Color"), L"-16777194");
}

TEST_F(SettingsTest, RefusedWriteNamesTheFileAndKeepsWhatWasThere)
{
    WriteAppearance(file, ui::Color::Direct(RGB(1, 2, 3)), -16, kCaption);
    const auto before = ReadBytes(path);
    {
        const auto held = HoldExclusively(path);
        ASSERT_TRUE(held);
        EXPECT_EQ(RefusalOf(file), L"Unable to write to " + path);
    }
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(Read(L"Settings", L"FHeight"), L"-16");
}

TEST_F(SettingsTest, RefusedWriteInAMissingFolderNamesTheFullPath)
{
    const auto missing = File(L"няма\\velmora.ini");
    SettingsFile inMissingFolder(missing);
    EXPECT_EQ(RefusalOf(inMissingFolder), L"Unable to write to " + missing);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / L"няма"));
}

constexpr std::string_view kHandEdited = "[Programs]\r\nVer=1.01\r\n[Mine]\r\nKey=\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n[Settings]\r\nColor=255\r\n";
constexpr int kStepCount = static_cast<int>(base::WriteStep::FolderFlushed) + 1;

std::vector<std::wstring> TemporaryFiles(const std::filesystem::path& folder)
{
    std::vector<std::wstring> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == L".tmp")
            found.push_back(entry.path().filename().wstring());
    }
    return found;
}

TEST_F(SettingsTest, AWriteKeepsAnAnsiFileAnsiWithItsOwnLinesByteForByte)
{
    Given(kHandEdited);
    WriteAppearance(file, ui::Color::Direct(RGB(1, 2, 3)), -16, kCaption);

    const std::string after = ReadBytes(path);
    EXPECT_NE(after.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(after.find("[Mine]\r\nKey=\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n"), std::string::npos) << after;
    EXPECT_EQ(Read(L"Programs", L"Name"), kCaption);
    EXPECT_EQ(Read(L"Mine", L"Key"), L"значение");
    EXPECT_EQ(Read(L"Settings", L"FHeight"), L"-16");
}

TEST_F(SettingsTest, AWriteKeepsAUtf8FileWithoutAMarkInUtf8AndItsTextsReadAsWritten)
{
    // As today's editors save it: UTF-8 with no byte-order mark.
    Given("[Settings]\r\nFName=\xD0\xA8\xD1\x80\xD0\xB8\xD1\x84\xD1\x82\r\n[Mine]\r\nKey=\xD0\xB7\xD0\xBD\xD0\xB0\xD1\x87\r\n");
    EXPECT_EQ(ReadAppearance(file).font.name, L"Шрифт");
    EXPECT_EQ(Read(L"Mine", L"Key"), L"знач");

    WriteAppearance(file, ui::Color::Direct(RGB(1, 2, 3)), -16, kCaption);
    const std::string after = ReadBytes(path);
    EXPECT_EQ(after.substr(0, 3).find("\xEF\xBB\xBF"), std::string::npos) << "no mark is added";
    EXPECT_NE(after.find("[Mine]\r\nKey=\xD0\xB7\xD0\xBD\xD0\xB0\xD1\x87\r\n"), std::string::npos) << after;
    EXPECT_NE(after.find("Name=" + base::Narrow(kCaption) + "\r\n"), std::string::npos) << after;
    EXPECT_EQ(Read(L"Programs", L"Name"), kCaption);
    EXPECT_EQ(Read(L"Mine", L"Key"), L"знач");
    EXPECT_EQ(Read(L"Settings", L"FName"), L"MS Sans Serif");
}

struct FailedAt {
    base::WriteStep step;
};

TEST_F(SettingsTest, AWriteThatFailsAtAnyStepBeforeTheSwapLeavesTheOldFileAndNoTemporary)
{
    for (int step = 0; step < static_cast<int>(base::WriteStep::Replaced); ++step) {
        SCOPED_TRACE(step);
        Given(kHandEdited);
        file.SetWriteProbe([step](base::WriteStep reached) {
            if (static_cast<int>(reached) == step)
                throw FailedAt{reached};
        });
        EXPECT_THROW(WriteAppearance(file, ui::Color::Direct(RGB(1, 2, 3)), -16, kCaption), FailedAt);
        EXPECT_EQ(ReadBytes(path), kHandEdited);
        EXPECT_TRUE(TemporaryFiles(folder.Path()).empty());
    }
}

TEST_F(SettingsTest, ARefusedWriteLeavesNoTemporaryBehind)
{
    Given(kHandEdited);
    const auto held = HoldExclusively(path);
    ASSERT_TRUE(held);
    EXPECT_EQ(RefusalOf(file), L"Unable to write to " + path);
    EXPECT_TRUE(TemporaryFiles(folder.Path()).empty());
}

constexpr wchar_t kKillStepVariable[] = L"VELMORA_TEST_KILL_STEP";
constexpr wchar_t kKillFileVariable[] = L"VELMORA_TEST_KILL_FILE";
constexpr DWORD kKilled = 77;

std::wstring Variable(const wchar_t* name)
{
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, std::size(value));
    return std::wstring(value, length < std::size(value) ? length : 0);
}

// Runs only in the child process of the test below: it writes the settings file named by the
// parent and ends the process at the step the parent names, as a kill or a power cut would.
TEST(SettingsWriteChild, DISABLED_WritesUntilKilled)
{
    const std::wstring target = Variable(kKillFileVariable);
    ASSERT_FALSE(target.empty());
    const int step = std::stoi(Variable(kKillStepVariable));
    SettingsFile killed(target);
    killed.SetWriteProbe([step](base::WriteStep reached) {
        if (static_cast<int>(reached) == step)
            TerminateProcess(GetCurrentProcess(), kKilled);
    });
    WriteAppearance(killed, ui::Color::Direct(RGB(1, 2, 3)), -16, kCaption);
}

DWORD RunChildKilledAt(int step, const std::wstring& target)
{
    SetEnvironmentVariableW(kKillStepVariable, std::to_wstring(step).c_str());
    SetEnvironmentVariableW(kKillFileVariable, target.c_str());
    const DWORD exitCode = test_support::RunThisProgramOn(L"SettingsWriteChild.WritesUntilKilled");
    SetEnvironmentVariableW(kKillStepVariable, nullptr);
    SetEnvironmentVariableW(kKillFileVariable, nullptr);
    return exitCode;
}

TEST_F(SettingsTest, AProgramKilledAtAnyStepOfTheWriteLeavesTheOldFileOrTheNewOneWhole)
{
    // What a whole write makes of the same file.
    const auto reference = File(L"reference.ini");
    WriteBytes(reference, kHandEdited);
    SettingsFile referenceFile(reference);
    WriteAppearance(referenceFile, ui::Color::Direct(RGB(1, 2, 3)), -16, kCaption);
    const std::string written = ReadBytes(reference);
    ASSERT_NE(written, kHandEdited);

    for (int step = 0; step < kStepCount; ++step) {
        SCOPED_TRACE(step);
        Given(kHandEdited);
        ASSERT_EQ(RunChildKilledAt(step, path), kKilled) << "the child was not ended at the step";
        EXPECT_EQ(ReadBytes(path), step < static_cast<int>(base::WriteStep::Replaced) ? std::string(kHandEdited) : written);
    }
    ASSERT_FALSE(TemporaryFiles(folder.Path()).empty()) << "no killed write left its temporary";
    // The next whole write takes away what the ended copies left.
    WriteAppearance(file, ui::Color::Direct(RGB(1, 2, 3)), -16, kCaption);
    EXPECT_TRUE(TemporaryFiles(folder.Path()).empty());
}

TEST_F(SettingsTest, ATemporaryOfACopyStillRunningIsLeftAlone)
{
    // Any other running process stands for a second copy of the program in the middle of its write.
    const DWORD running = test_support::AnotherRunningProcess();
    ASSERT_NE(running, 0u);
    const std::wstring theirs = path + L"." + std::to_wstring(running) + L".tmp";
    const std::wstring unrelated = path + L".old.tmp";
    WriteBytes(theirs, "half");
    WriteBytes(unrelated, "mine");
    WriteAppearance(file, ui::Color::Direct(RGB(1, 2, 3)), -16, kCaption);
    EXPECT_EQ(ReadBytes(theirs), "half");
    EXPECT_EQ(ReadBytes(unrelated), "mine");
}

TEST(SettingsFileForExecutable, IsTheProgramPathWithTheIniExtension)
{
    const std::filesystem::path path = SettingsFile::ForExecutable().Path();
    EXPECT_TRUE(path.is_absolute()) << path.string();
    EXPECT_EQ(path.filename(), L"test_app.ini");
    EXPECT_TRUE(std::filesystem::exists(path.parent_path() / L"test_app.exe")) << path.string();
}

}
