// Icons from .ico data: the handle made on demand, bad data refused, the change notice.
#include "resource_ids.h"
#include "support/app_fixture.h"
#include "ui/error.h"
#include "ui/icon.h"
#include "ui/image.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class IconTest : public test_support::AppTest {
protected:
    IconTest() { picture.onChange = [this] { ++changes; }; }

    std::vector<std::uint8_t> ProgramIconData() const
    {
        const auto data = ui::ResourceData(IDR_TRAY_ICON, MAKEINTRESOURCEW(10));
        return {data.begin(), data.end()};
    }

    ui::Icon picture;
    int changes = 0;
};

TEST_F(IconTest, IcoDataGivesAHandleOfItsPicture)
{
    EXPECT_EQ(picture.Handle(), nullptr);
    const auto data = ProgramIconData();
    ASSERT_EQ(data.size(), 766u);

    picture.LoadFromData(data);

    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(picture.Handle(), &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    EXPECT_EQ(changes, 1);
}

TEST_F(IconTest, DataThatIsNotAWholeIcoFileIsRefusedAndThePictureStays)
{
    picture.LoadFromData(ProgramIconData());
    const HICON before = picture.Handle();
    auto cutInImage = ProgramIconData();
    cutInImage.resize(400);
    auto badOffset = ProgramIconData();
    badOffset[18] = 0xFF;  // the first picture's offset points past the end
    badOffset[19] = 0xFF;
    const std::vector<std::vector<std::uint8_t>> bad = {
        {}, {0, 0, 1, 0}, cutInImage, badOffset, std::vector<std::uint8_t>(766, 0x41),
    };
    for (const auto& data : bad) {
        EXPECT_THROW(picture.LoadFromData(data), ui::Error);
        EXPECT_EQ(picture.Handle(), before);
    }
    EXPECT_EQ(changes, 1);
}

TEST_F(IconTest, AssignCopiesAndReleaseHandsTheHandleBack)
{
    ui::Icon source;
    source.LoadFromData(ProgramIconData());
    picture.Assign(source);
    EXPECT_EQ(picture.Data(), source.Data());
    EXPECT_NE(picture.Handle(), nullptr);
    EXPECT_NE(picture.Handle(), source.Handle());

    const HICON released = picture.ReleaseHandle();
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Handle(), nullptr);
    EXPECT_TRUE(DestroyIcon(released)) << "a released handle is still alive";

    picture.SetHandle(CopyIcon(source.Handle()));
    ui::Icon copy;
    copy.Assign(picture);
    EXPECT_NE(copy.Handle(), nullptr);
    EXPECT_NE(copy.Handle(), picture.Handle());
    EXPECT_EQ(changes, 3);
}

}
