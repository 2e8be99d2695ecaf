// Pictures are read the first time they are drawn, once; one that cannot be read is reported once
// and the window goes on without it.
#include "support/app_fixture.h"
#include "base/error.h"
#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/image.h"
#include "ui/picture.h"

#include <gtest/gtest.h>

namespace {

class PictureTest : public test_support::AppTest {
protected:
    static constexpr COLORREF kColour = RGB(0x33, 0x66, 0x99);

    // A 4 x 4 picture in one colour, counting how often it is read.
    ui::PictureSource Counted(int& reads, bool readable = true)
    {
        return [&reads, readable] {
            ++reads;
            if (!readable)
                throw base::Error(L"Картината не може да бъде прочетена: данните не са JPEG");
            HDC screen = GetDC(nullptr);
            ui::Bitmap bitmap(CreateCompatibleBitmap(screen, 4, 4));
            HDC memory = CreateCompatibleDC(screen);
            const HGDIOBJ old = SelectObject(memory, bitmap.get());
            const ui::Brush brush(CreateSolidBrush(kColour));
            const RECT all{0, 0, 4, 4};
            FillRect(memory, &all, brush.get());
            SelectObject(memory, old);
            DeleteDC(memory);
            ReleaseDC(nullptr, screen);
            return bitmap;
        };
    }

    void Paint(const ui::Picture& picture)
    {
        RedrawWindow(picture.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        app.ProcessMessages();
    }

    ui::Form form{{.caption = L"Картини", .clientWidth = 100, .clientHeight = 60}};
};

TEST_F(PictureTest, IsReadWhenFirstDrawnAndOnlyOnce)
{
    int reads = 0;
    ui::Picture picture({.parent = form.Handle(), .bounds = {10, 10, 4, 4}, .picture = Counted(reads)});
    EXPECT_EQ(reads, 0) << "read before the window was ever shown";
    form.Show();
    Paint(picture);
    EXPECT_EQ(reads, 1);
    Paint(picture);
    Paint(picture);
    EXPECT_EQ(reads, 1);
    HDC screen = GetDC(picture.Handle());
    EXPECT_EQ(GetPixel(screen, 1, 1), kColour);
    ReleaseDC(picture.Handle(), screen);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(PictureTest, OneThatCannotBeReadIsReportedOnceAndThePlainColourStays)
{
    int reads = 0;
    ui::Picture picture({.parent = form.Handle(), .bounds = {10, 10, 4, 4}, .picture = Counted(reads, false)});
    form.Show();
    Paint(picture);
    Paint(picture);
    EXPECT_EQ(reads, 1);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find(L"Картината не може да бъде прочетена"), std::wstring::npos);
    HDC screen = GetDC(picture.Handle());
    EXPECT_EQ(GetPixel(screen, 1, 1), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(picture.Handle(), screen);
}

}
