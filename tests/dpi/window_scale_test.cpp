// Every window of the program on a scaled screen: run once per screen scale, each time in a Wine
// prefix of its own whose LogPixels gives the dpi (tests/dpi/at_dpi.sh). The windows' client areas
// grow with the scale, no caption or label is cut, no two controls overlap and every control lies
// inside its parent. With VELMORA_SCREENSHOTS set to a folder, each window is also shown and saved
// there as a bitmap, for a person to look at.
#include "app/pelnor.h"
#include "app/splash.h"
#include "app/startup.h"
#include "app/texts.h"
#include "catalogue/searchall.h"
#include "personal/addrecepies.h"
#include "personal/myrecepies.h"
#include "personal/texts.h"
#include "reference/about.h"
#include "reference/popmenu.h"
#include "reference/readme.h"
#include "support/advice_files.h"
#include "support/catalogue_db.h"
#include "support/icon_width.h"
#include "support/my_recipes_db.h"
#include "support/scratch_folder.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_menus.h"
#include "ui/dpi.h"
#include "base/text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using base::Narrow;

// The dpi the runner set up, or 0 when the test program runs on its own.
int PrefixDpi()
{
    const char* dpi = std::getenv("VELMORA_DPI");
    return dpi ? std::atoi(dpi) : 0;
}

std::string ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return Narrow(name);
}

std::wstring TextOf(HWND window)
{
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return text;
}

std::vector<HWND> ChildrenOf(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

bool HasVisibleStyle(HWND window)
{
    return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT BoundsInParent(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The window designs' client sizes at 96 dpi (the main window's below its menu bar).
const std::map<std::string, SIZE> kDesignClientSizes{
    {"TForm1", {762, 481}}, {"TAboutBox", {370, 273}}, {"TForm4", {667, 362}}, {"TForm2", {753, 453}},
    {"TForm3", {617, 434}}, {"TForm5", {762, 446}},     {"TForm6", {409, 305}}, {"TForm7", {640, 440}},
};

TEST(ScreenScale, TheProgramSeesTheDpiOfItsPrefix)
{
    if (!PrefixDpi())
        GTEST_SKIP() << "run by tests/dpi/at_dpi.sh, which sets LogPixels and VELMORA_DPI";
    EXPECT_EQ(ui::SystemDpi(), PrefixDpi());
}

// Every window of the program, made as start-up makes them, on test data; no desktop of its own, so
// that the windows can be seen on a real display.
class WindowScaleTest : public ::testing::Test {
protected:
    WindowScaleTest()
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        app.SetTitle(L"Велмора XP");
        test_support::WriteCatalogue(
            {{.name = L"Супи", .rows = {}},
             {.name = L"Пролет",
              .rows = {{L"Пролетна супа с киселец", L"300 г киселец\r\n1 глава зелен лук\r\n2 яйца\r\n1 ч.ч. кисело мляко",
                        L"Киселецът се почиства и нарязва на ивици. Лукът се задушава в 2 с.л. олио за 5 минути, "
                        L"добавя се киселецът и 1 л вода. Супата се застройва с яйцата и киселото мляко."},
                       {L"Таратор", L"кисело мляко\r\nкраставица", L"Разбърква се."}}}});
        test_support::WriteAdviceDatabases({.energy = {"'Яйце', 12.7, 11.5, 0.7, 157"}, .merki = {}, .dpm = {}});
        test_support::WriteMyRecipes({{L"Баница", L"кори\r\nсирене", L"Пече се."}});
        std::filesystem::create_directories(L"Favour Advice");
        for (const wchar_t* file : {L"MKT.txt", L"ZDP.txt", L"KNS.txt", L"KMG.txt", L"Konservirane.txt"})
            test_support::WriteCp1251File(std::wstring(L"Favour Advice\\") + file,
                                          L"Малки кулинарни тайни: месото се соли в края на варенето.\r\n");
        test_support::WriteCp1251File(L"Readme 1.02.txt", L"Велмора XP 1.02\r\n\r\nГотварска книга за вашия компютър.\r\n");
        CreateLastingWindows(windows);
        splash = std::make_unique<TForm6>();
        windows.form1->SearchAllExecute();
        windows.form1->SearchForm()->Hide();
        app.ProcessMessages();
    }

    int Dpi() const { return ui::SystemDpi(); }

    test_support::ScratchFolder folder;
    test_support::ScriptedDialogs dialogs;
    ui::Application app{dialogs};
    LastingWindows windows;
    std::unique_ptr<TForm6> splash;
};

TEST_F(WindowScaleTest, EveryWindowsClientAreaFollowsTheScale)
{
    std::vector<std::string> seen;
    for (const ui::Form* form : app.Forms()) {
        const std::string name = ClassOf(form->Handle());
        SCOPED_TRACE(name);
        const auto design = kDesignClientSizes.find(name);
        ASSERT_NE(design, kDesignClientSizes.end()) << "a window without a design size here";
        seen.push_back(name);
        RECT client;
        GetClientRect(form->Handle(), &client);
        EXPECT_NEAR(client.right, ui::Scaled(design->second.cx, Dpi()), 1);
        EXPECT_NEAR(client.bottom, ui::Scaled(design->second.cy, Dpi()), 1);
    }
    EXPECT_EQ(seen.size(), kDesignClientSizes.size()) << "not every window was made";
}

TEST_F(WindowScaleTest, NoCaptionOrLabelIsCut)
{
    for (const ui::Form* form : app.Forms()) {
        std::vector<HWND> all{form->Handle()};
        for (std::size_t next = 0; next < all.size(); ++next) {
            for (HWND child : ChildrenOf(all[next]))
                all.push_back(child);
        }
        for (HWND control : all) {
            const std::string kind = ClassOf(control);
            const LONG style = GetWindowLongW(control, GWL_STYLE);
            const std::wstring text = TextOf(control);
            const LONG type = style & SS_TYPEMASK;
            const bool label = kind == "Static" && (type <= SS_RIGHT || type == SS_LEFTNOWORDWRAP);
            const bool oneLine = !label || type == SS_LEFTNOWORDWRAP;
            if ((!label && kind != "Button") || text.empty())
                continue;
            SCOPED_TRACE(ClassOf(form->Handle()) + " " + kind + " \"" + Narrow(text) + "\"");
            RECT client;
            GetClientRect(control, &client);
            HDC dc = GetDC(control);
            const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
            // A button's caption keeps clear of its edges; a label may wrap between words but never
            // within one, nor below its bottom; a one-line label's blanks at the end show nothing.
            const int margin = kind == "Button" ? ui::Scaled(4, Dpi()) : 0;
            RECT needed{0, 0, client.right - 2 * margin, 0};
            const UINT format = DT_CALCRECT | (oneLine ? DT_SINGLELINE : DT_WORDBREAK) | ((style & SS_NOPREFIX) && label ? DT_NOPREFIX : 0);
            const auto shown = label && oneLine ? text.find_last_not_of(L' ') + 1 : text.size();
            DrawTextW(dc, text.c_str(), static_cast<int>(shown), &needed, format);
            SelectObject(dc, old);
            ReleaseDC(control, dc);
            EXPECT_LE(needed.right + 2 * margin, client.right) << "the text is wider than its control";
            EXPECT_LE(needed.bottom, client.bottom) << "the text is taller than its control";
        }
    }
}

TEST_F(WindowScaleTest, NoTwoControlsOverlapAndEachLiesInsideItsParent)
{
    for (const ui::Form* form : app.Forms()) {
        std::vector<HWND> parents{form->Handle()};
        for (std::size_t next = 0; next < parents.size(); ++next) {
            const HWND parent = parents[next];
            std::vector<HWND> shown;
            for (HWND child : ChildrenOf(parent)) {
                if (!HasVisibleStyle(child))
                    continue;
                shown.push_back(child);
                parents.push_back(child);
            }
            RECT area;
            GetClientRect(parent, &area);
            for (std::size_t a = 0; a < shown.size(); ++a) {
                const RECT first = BoundsInParent(shown[a]);
                const std::string firstName = ClassOf(shown[a]) + " \"" + Narrow(TextOf(shown[a])) + "\"";
                SCOPED_TRACE(ClassOf(form->Handle()) + " " + firstName);
                RECT inside;
                IntersectRect(&inside, &first, &area);
                EXPECT_TRUE(EqualRect(&inside, &first)) << "reaches outside its parent " << ClassOf(parent);
                for (std::size_t b = a + 1; b < shown.size(); ++b) {
                    // The pages of a page control lie on its display area by design.
                    if (ClassOf(shown[a]) == "SysTabControl32" || ClassOf(shown[b]) == "SysTabControl32")
                        continue;
                    const RECT second = BoundsInParent(shown[b]);
                    RECT overlap;
                    EXPECT_FALSE(IntersectRect(&overlap, &first, &second))
                        << "overlaps " << ClassOf(shown[b]) << " \"" << Narrow(TextOf(shown[b])) << "\": " << first.left << ","
                        << first.top << "-" << first.right << "," << first.bottom << " and " << second.left << "," << second.top
                        << "-" << second.right << "," << second.bottom;
                }
            }
        }
    }
}

// The sizes a cursor resource of the program holds.
std::vector<int> CursorSizes(const wchar_t* name)
{
    std::vector<int> sizes;
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, name, MAKEINTRESOURCEW(12));  // RT_GROUP_CURSOR
    if (!found)
        return sizes;
    const auto* directory = static_cast<const WORD*>(LockResource(LoadResource(program, found)));
    for (WORD entry = 0; entry < directory[2]; ++entry)
        sizes.push_back(directory[3 + 7 * entry]);  // 14-byte entries that begin with the width
    return sizes;
}

TEST_F(WindowScaleTest, PicturesComeAtTheSizesOfTheScreen)
{
    // The screen's sizes for icons and cursors grow with its scale.
    const int smallIcon = GetSystemMetrics(SM_CXSMICON);
    const int cursor = GetSystemMetrics(SM_CXCURSOR);
    EXPECT_EQ(smallIcon, ui::Scaled(16, Dpi()));
    EXPECT_EQ(test_support::IconWidth(windows.form1->SxTrayIcon1.Icon().Handle()), smallIcon) << "the tray icon";
    for (const wchar_t* name : {app::kMaletResource, personal::kPenResource}) {
        SCOPED_TRACE(Narrow(name));
        const auto sizes = CursorSizes(name);
        EXPECT_NE(std::find(sizes.begin(), sizes.end(), cursor), sizes.end())
            << "a picture drawn for the screen's cursor size " << cursor << ", not one stretched to it";
        EXPECT_EQ(test_support::IconWidth(LoadCursorW(GetModuleHandleW(nullptr), name)), cursor);
    }
    EXPECT_EQ(test_support::IconWidth(app.ScreenCursors().Get(app::kMaletCursor)), cursor) << "the registered cursor";

    const auto widths = test_support::ScriptedMenus::PictureWidths(windows.form1->MenuBar());
    ASSERT_FALSE(widths.empty());
    EXPECT_EQ(widths, std::vector<int>(widths.size(), ui::Scaled(16, Dpi()))) << "the menu pictures";
}

// 24-bit bottom-up bitmap file of what the screen shows in `r`.
void SaveScreen(const RECT& r, const std::filesystem::path& file)
{
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {.biSize = sizeof info.bmiHeader, .biWidth = width, .biHeight = height, .biPlanes = 1, .biBitCount = 24};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD size = static_cast<DWORD>((width * 3 + 3) & ~3) * height;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info.bmiHeader;
    BITMAPFILEHEADER header{.bfType = 0x4D42, .bfSize = offset + size, .bfOffBits = offset};
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), size);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(WindowScaleTest, Screenshots)
{
    const char* folderName = std::getenv("VELMORA_SCREENSHOTS");
    if (!folderName)
        GTEST_SKIP() << "VELMORA_SCREENSHOTS names no folder to save the windows' pictures in";
    const std::filesystem::path out(folderName);
    windows.form1->CategoryExecute(catalogue::CategoryOf(catalogue::CategoryId::Prolet));
    windows.form1->ListBox1.Select(0);
    windows.form1->ListBox1Click();
    for (ui::Form* form : app.Forms()) {
        form->Show();
        SetForegroundWindow(form->Handle());
        for (int round = 0; round < 20; ++round) {
            app.ProcessMessages();
            Sleep(25);
        }
        RECT r;
        GetWindowRect(form->Handle(), &r);
        const auto file = out / (ClassOf(form->Handle()) + "-" + std::to_string(Dpi()) + "dpi.bmp");
        SaveScreen(r, file);
        EXPECT_TRUE(std::filesystem::exists(file));
        form->Hide();
    }
}

}
