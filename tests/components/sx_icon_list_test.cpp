// The icon list component: sizes, cycling through a tray icon, the animation timer, the stream
// and file forms, equality, Assign and the stored "Icons" property.
#include "components/sx_icon_list.h"
#include "components/recording_tray_shell.h"
#include "support/app_fixture.h"
#include "base/error.h"
#include "base/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using components::TSxIconList;

// A 16 x 16 icon of one colour, opaque.
HICON SolidIcon(COLORREF color)
{
    std::vector<std::uint32_t> pixels(16 * 16, 0xFF000000 | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color));
    HBITMAP colour = CreateBitmap(16, 16, 1, 32, pixels.data());
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, std::vector<std::uint8_t>(32, 0).data());
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    return icon;
}

void AddIcons(TSxIconList& list, std::initializer_list<COLORREF> colors)
{
    for (COLORREF color : colors) {
        HICON icon = SolidIcon(color);
        ImageList_ReplaceIcon(list.Handle(), -1, icon);
        DestroyIcon(icon);
    }
}

std::string Saved(TSxIconList& list)
{
    std::ostringstream stream(std::ios::binary);
    list.SaveToStream(stream);
    return stream.str();
}

struct BmpHeader {
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
};

BmpHeader HeaderAt(const std::string& data, std::size_t offset)
{
    BmpHeader header{};
    std::memcpy(&header.file, data.data() + offset, sizeof header.file);
    std::memcpy(&header.info, data.data() + offset + sizeof header.file, sizeof header.info);
    return header;
}

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 180, 0);
constexpr COLORREF kBlue = RGB(0, 0, 220);

class IconListTest : public test_support::AppTest {
protected:
    test_support::RecordingTrayShell shell;
    TSxIconList list;
};

TEST_F(IconListTest, ANewListBehavesAsEmptyStandsStillAndMakesSixteenPixelIcons)
{
    components::TSxTrayIcon tray(shell);
    tray.SetActive(true);
    list.SetTrayIcon(&tray);
    shell.calls.clear();

    list.NextIcon();
    list.SetIconIndex(0);
    EXPECT_EQ(list.IconIndex(), 0);
    ASSERT_FALSE(shell.calls.empty());
    for (const auto& call : shell.calls) {
        EXPECT_EQ(call.request, static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(call.icon, nullptr) << "an empty list gives the tray no picture";
    }
    EXPECT_EQ(list.AnimationTimer(), nullptr);

    EXPECT_EQ(list.Count(), 0);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list.Handle(), &width, &height));
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    AddIcons(list, {kRed});
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(IconListTest, AnExistingImageListKeepsItsSize)
{
    list.SetWidth(32);
    list.SetHeight(24);
    EXPECT_EQ(list.Width(), 32) << "before an image list exists the stored size is read back";
    list.SetWidth(16);
    list.SetHeight(16);
    list.CreateHandle();

    list.SetWidth(32);

    EXPECT_EQ(list.Width(), 16);
    EXPECT_EQ(list.Height(), 16);
}

TEST_F(IconListTest, NextIconWrapsAroundAndShowsTheIconThroughOneRefresh)
{
    components::TSxTrayIcon tray(shell);
    tray.SetActive(true);
    AddIcons(list, {kRed, kGreen, kBlue});
    list.SetTrayIcon(&tray);
    list.SetIconIndex(2);
    shell.calls.clear();

    list.NextIcon();

    EXPECT_EQ(list.IconIndex(), 0);
    ASSERT_EQ(shell.Requests(), std::vector<DWORD>{NIM_MODIFY});
    EXPECT_NE(shell.calls[0].icon, nullptr);
    EXPECT_EQ(shell.calls[0].icon, tray.Icon().Handle());

    TSxIconList empty;
    empty.NextIcon();
    EXPECT_EQ(empty.IconIndex(), 0);
}

TEST_F(IconListTest, AnIndexOutsideTheListGivesAnEmptyPictureAndLoadingLeavesTheTrayAlone)
{
    components::TSxTrayIcon tray(shell);
    tray.SetActive(true);
    AddIcons(list, {kRed});
    list.SetTrayIcon(&tray);
    shell.calls.clear();

    list.SetLoading(true);
    list.SetIconIndex(5);
    EXPECT_TRUE(shell.calls.empty());
    list.SetLoading(false);
    list.SetIconIndex(5);

    ASSERT_EQ(shell.Requests(), std::vector<DWORD>{NIM_MODIFY});
    EXPECT_EQ(shell.calls[0].icon, nullptr);
}

TEST_F(IconListTest, DestroyingTheTrayIconClearsTheReference)
{
    auto tray = std::make_unique<components::TSxTrayIcon>(shell);
    list.SetTrayIcon(tray.get());
    tray.reset();
    EXPECT_EQ(list.TrayIcon(), nullptr);
    list.NextIcon();  // must not reach the destroyed tray icon
}

TEST_F(IconListTest, AnimationUsesOneTimerAndEachTickStepsAfterOnAnimate)
{
    AddIcons(list, {kRed, kGreen});
    std::vector<int> seen;
    list.OnAnimate = [&](TSxIconList& sender) {
        EXPECT_EQ(&sender, &list);
        seen.push_back(sender.IconIndex());
    };

    list.SetAnimated(true);
    const ui::Timer* timer = list.AnimationTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(list.Animated());
    list.SetAnimated(false);
    EXPECT_FALSE(list.Animated());
    list.SetAnimated(true);
    EXPECT_EQ(list.AnimationTimer(), timer);
    EXPECT_TRUE(list.Animated());

    for (int tick = 0; tick < 3; ++tick)
        SendMessageW(timer->Handle(), WM_TIMER, ui::Timer::kId, 0);

    EXPECT_EQ(seen, (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(list.IconIndex(), 1);
}

TEST_F(IconListTest, TwoIconsSaveAsAColourAndAMaskStripAndLoadBackEqual)
{
    AddIcons(list, {kRed, kGreen});

    const std::string data = Saved(list);

    const BmpHeader colour = HeaderAt(data, 0);
    EXPECT_EQ(colour.file.bfType, 0x4D42);
    EXPECT_EQ(colour.info.biWidth, 32);
    EXPECT_EQ(colour.info.biHeight, 16);
    EXPECT_EQ(colour.info.biBitCount, 32);
    ASSERT_LT(colour.file.bfSize, data.size());
    const BmpHeader mask = HeaderAt(data, colour.file.bfSize);
    EXPECT_EQ(mask.file.bfType, 0x4D42);
    EXPECT_EQ(mask.info.biWidth, 32);
    EXPECT_EQ(mask.info.biHeight, 16);
    EXPECT_EQ(mask.info.biBitCount, 1);
    EXPECT_EQ(colour.file.bfSize + mask.file.bfSize, data.size());

    TSxIconList loaded;
    std::istringstream stream(data + "after", std::ios::binary);
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.Count(), 2);
    EXPECT_TRUE(loaded.SameIcons(&list));
    std::string rest;
    stream >> rest;
    EXPECT_EQ(rest, "after") << "loading stops at the end of the two strips";
}

TEST_F(IconListTest, ThePlatformsOwnImageListStreamIsReadFirst)
{
    HIMAGELIST source = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 0, 2);
    for (COLORREF color : {kRed, kBlue}) {
        HICON icon = SolidIcon(color);
        ImageList_ReplaceIcon(source, -1, icon);
        DestroyIcon(icon);
    }
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ASSERT_TRUE(ImageList_Write(source, stream));
    ImageList_Destroy(source);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    std::string bytes(static_cast<size_t>(stat.cbSize.QuadPart), '\0');
    stream->Seek({}, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    stream->Release();

    std::istringstream in(bytes, std::ios::binary);
    list.LoadFromStream(in);

    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Width(), 32);
    EXPECT_EQ(list.Height(), 32);
}

TEST_F(IconListTest, ATruncatedOrForeignStreamIsRefusedAndLeavesNoImageList)
{
    AddIcons(list, {kRed, kGreen});
    const std::string data = Saved(list);
    const std::size_t colourSize = HeaderAt(data, 0).file.bfSize;
    std::string badOffset = data;
    badOffset[10] = '\xFF';  // the colour strip's pixels said to start past the end
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"not a bitmap", std::string(400, 'x')},
        {"cut in the first header", data.substr(0, 20)},
        {"cut in the colour pixels", data.substr(0, colourSize - 1)},
        {"no mask", data.substr(0, colourSize)},
        {"cut in the mask pixels", data.substr(0, data.size() - 1)},
        {"pixels past the end", badOffset},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        TSxIconList target;
        AddIcons(target, {kBlue});
        std::istringstream stream(bytes, std::ios::binary);
        try {
            target.LoadFromStream(stream);
            ADD_FAILURE() << "loaded";
        } catch (const base::Error& error) {
            EXPECT_STREQ(error.what(), "Bitmap image is not valid");
        }
        EXPECT_FALSE(target.HandleAllocated());
        EXPECT_EQ(target.Count(), 0);
    }
}

TEST_F(IconListTest, EqualityNeedsTheSameIconsInTheSameOrder)
{
    struct Case {
        const char* name;
        std::vector<COLORREF> mine, theirs;
        bool same;
    };
    const Case cases[] = {
        {"both empty", {}, {}, true},
        {"same order", {kRed, kGreen}, {kRed, kGreen}, true},
        {"other order", {kRed, kGreen}, {kGreen, kRed}, false},
        {"other count", {kRed}, {kRed, kGreen}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSxIconList mine, theirs;
        for (COLORREF color : c.mine)
            AddIcons(mine, {color});
        for (COLORREF color : c.theirs)
            AddIcons(theirs, {color});
        EXPECT_EQ(mine.SameIcons(&theirs), c.same);
    }
    EXPECT_FALSE(list.SameIcons(nullptr));
}

TEST_F(IconListTest, AssignCopiesTheIconsOfAnotherListOnly)
{
    AddIcons(list, {kRed});
    list.SetIconIndex(0);
    TSxIconList source;
    AddIcons(source, {kGreen, kBlue});
    source.SetIconIndex(1);
    components::TSxTrayIcon notAList(shell);

    list.Assign(notAList);
    EXPECT_EQ(list.Count(), 1);

    list.Assign(source);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.SameIcons(&source));
    EXPECT_EQ(list.IconIndex(), 0);
    AddIcons(source, {kRed});
    EXPECT_EQ(list.Count(), 2) << "the copy is the list's own";
}

TEST_F(IconListTest, TheStoredIconsPropertyRules)
{
    TSxIconList same, other;
    components::TSxTrayIcon notAList(shell);
    EXPECT_FALSE(list.StoresIcons(false, nullptr)) << "an empty list is not stored";
    AddIcons(list, {kRed});
    AddIcons(same, {kRed});
    AddIcons(other, {kGreen});
    EXPECT_TRUE(list.StoresIcons(false, nullptr));
    EXPECT_FALSE(list.StoresIcons(true, &same));
    EXPECT_TRUE(list.StoresIcons(true, &other));
    EXPECT_TRUE(list.StoresIcons(true, &notAList));
    EXPECT_TRUE(list.StoresIcons(true, nullptr));

    std::stringstream icons(std::ios::in | std::ios::out | std::ios::binary);
    list.WriteIcons(icons);
    TSxIconList read;
    read.ReadIcons(icons);
    EXPECT_TRUE(read.SameIcons(&list));
}

TEST_F(IconListTest, FilesRoundTripAndFileErrorsNameTheFile)
{
    AddIcons(list, {kRed, kGreen});
    const std::wstring path = (folder.Path() / L"икони.bin").wstring();
    list.SaveToFile(path);
    list.SaveToFile(path);  // replaces the earlier file
    TSxIconList loaded;
    loaded.LoadFromFile(path);
    EXPECT_TRUE(loaded.SameIcons(&list));
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_FALSE(entry.path().filename().wstring().starts_with(L"икони.bin.")) << "left beside the file";

    const std::wstring missing = (folder.Path() / L"няма.bin").wstring();
    try {
        loaded.LoadFromFile(missing);
        ADD_FAILURE() << "opened a missing file";
    } catch (const base::Error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"" + base::Narrow(missing) + "\". ", 0), 0u) << error.what();
    }
    EXPECT_EQ(loaded.Count(), 2) << "the icons stay";

    const std::wstring noFolder = (folder.Path() / L"няма" / L"x.bin").wstring();
    try {
        list.SaveToFile(noFolder);
        ADD_FAILURE() << "created a file in a missing folder";
    } catch (const base::Error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + base::Narrow(noFolder) + "\". ", 0), 0u) << error.what();
    }
    EXPECT_EQ(list.Count(), 2);
}

}
