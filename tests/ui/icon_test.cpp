// Icons from .ico data: the handle made on demand, bad data refused, the change notice.
#include "resource_ids.h"
#include "support/app_fixture.h"
#include "base/error.h"
#include "ui/icon.h"
#include "ui/image.h"

#include <gtest/gtest.h>

#include <utility>
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

// An .ico file whose pictures are squares of one colour each, in the order given.
std::vector<std::uint8_t> SolidIcons(const std::vector<std::pair<int, COLORREF>>& pictures)
{
    const auto put16 = [](std::vector<std::uint8_t>& to, unsigned value) {
        to.push_back(static_cast<std::uint8_t>(value));
        to.push_back(static_cast<std::uint8_t>(value >> 8));
    };
    const auto put32 = [&](std::vector<std::uint8_t>& to, unsigned value) {
        put16(to, value & 0xFFFF);
        put16(to, value >> 16);
    };
    std::vector<std::uint8_t> file, images;
    put16(file, 0);
    put16(file, 1);
    put16(file, static_cast<unsigned>(pictures.size()));
    for (const auto& [size, colour] : pictures) {
        std::vector<std::uint8_t> image;
        for (unsigned field : {40u, static_cast<unsigned>(size), static_cast<unsigned>(2 * size)})
            put32(image, field);
        put16(image, 1);
        put16(image, 32);
        for (int field = 0; field < 6; ++field)
            put32(image, 0);
        for (int pixel = 0; pixel < size * size; ++pixel)
            image.insert(image.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour), 255});
        image.resize(image.size() + static_cast<size_t>((size + 31) / 32 * 4 * size), 0);  // AND mask: all shown
        file.insert(file.end(), {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size), 0, 0});
        put16(file, 1);
        put16(file, 32);
        put32(file, static_cast<unsigned>(image.size()));
        put32(file, static_cast<unsigned>(6 + 16 * pictures.size() + images.size()));
        images.insert(images.end(), image.begin(), image.end());
    }
    file.insert(file.end(), images.begin(), images.end());
    return file;
}

// The handle's width and the colour of its middle pixel.
std::pair<int, COLORREF> Drawn(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return {0, CLR_INVALID};
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(dc, info.hbmColor);
    const COLORREF middle = GetPixel(dc, mask.bmWidth / 2, mask.bmWidth / 2);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return {mask.bmWidth, middle};
}

TEST_F(IconTest, TheHandleIsMadeFromThePictureNearestItsSize)
{
    constexpr COLORREF red = RGB(200, 0, 0), green = RGB(0, 200, 0), blue = RGB(0, 0, 200);
    // Out of order on purpose: the choice goes by size, not by place in the file.
    const auto data = SolidIcons({{24, green}, {16, red}, {48, blue}});
    const struct {
        int size;
        int width;
        COLORREF from;
    } cases[] = {
        {0, 24, green},   // no size asked: the first picture as drawn
        {16, 16, red},    // a picture of that size
        {20, 20, green},  // none: the smallest larger one, made smaller
        {24, 24, green},
        {32, 32, blue},
        {48, 48, blue},
        {64, 64, blue},   // none large enough: the largest
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        ui::Icon icon;
        icon.SetSize(c.size);
        icon.LoadFromData(data);
        EXPECT_EQ(Drawn(icon.Handle()), std::make_pair(c.width, c.from));
    }

    // A new size remakes the handle from the data.
    picture.LoadFromData(data);
    picture.SetSize(16);
    EXPECT_EQ(Drawn(picture.Handle()), std::make_pair(16, red));
}

TEST_F(IconTest, TheProgramsIconHasThePicturesOfEveryScreenScale)
{
    EXPECT_EQ(picture.Handle(), nullptr);
    picture.LoadFromData(ProgramIconData());
    for (int size : {16, 20, 24, 32, 48}) {
        SCOPED_TRACE(size);
        picture.SetSize(size);
        EXPECT_EQ(Drawn(picture.Handle()).first, size);
    }
    const auto data = ProgramIconData();
    for (std::size_t entry = 0; entry < 5; ++entry)
        EXPECT_EQ(data[6 + 16 * entry], (std::vector<int>{16, 20, 24, 32, 48}[entry])) << "the file's pictures";
    EXPECT_EQ(changes, 1);
}

TEST_F(IconTest, DataThatIsNotAWholeIcoFileIsRefusedAndThePictureStays)
{
    picture.LoadFromData(ProgramIconData());
    const HICON before = picture.Handle();
    auto cutInImage = ProgramIconData();
    cutInImage.resize(400);
    auto secondCut = SolidIcons({{16, 0}, {24, 0}});  // the first picture whole, the second cut short
    secondCut.resize(secondCut.size() - 100);
    auto badOffset = ProgramIconData();
    badOffset[18] = 0xFF;  // the first picture's offset points past the end
    badOffset[19] = 0xFF;
    const std::vector<std::vector<std::uint8_t>> bad = {
        {}, {0, 0, 1, 0}, cutInImage, badOffset, std::vector<std::uint8_t>(766, 0x41), secondCut,
    };
    for (const auto& data : bad) {
        EXPECT_THROW(picture.LoadFromData(data), base::Error);
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
