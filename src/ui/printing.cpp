// Printed pages: fonts for the device, measuring, drawing, and the printer's document.
#include "ui/printing.h"

#include "base/error.h"
#include "ui/gdi.h"
#include "ui/texts.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <map>

namespace ui {
namespace {

constexpr int kMarginMillimetres = 20;
constexpr wchar_t kFace[] = L"Arial";

struct StyleSpec {
    int points;
    int weight;
    bool italic;
};

StyleSpec SpecOf(TextStyle style)
{
    switch (style) {
    case TextStyle::Title: return {18, FW_BOLD, false};
    case TextStyle::Subtitle: return {11, FW_NORMAL, true};
    case TextStyle::Heading: return {13, FW_BOLD, false};
    case TextStyle::Footer: return {9, FW_NORMAL, false};
    case TextStyle::Body: break;
    }
    return {11, FW_NORMAL, false};
}

// The fonts of the styles for one device, with their line heights.
class StyleFonts {
public:
    StyleFonts(HDC dc, int dpiY) : dc_(dc)
    {
        for (const TextStyle style : {TextStyle::Title, TextStyle::Subtitle, TextStyle::Heading, TextStyle::Body, TextStyle::Footer}) {
            const StyleSpec spec = SpecOf(style);
            FontHandle font(CreateFontW(-MulDiv(spec.points, dpiY, 72), 0, 0, 0, spec.weight, spec.italic, FALSE, FALSE,
                                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_SWISS, kFace));
            if (!font)
                throw base::Error(kPrintFontFailed);
            const HGDIOBJ previous = SelectObject(dc_, font.get());
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc_, &metrics);
            SelectObject(dc_, previous);
            // Headings get air above them: a third of a line more.
            air_[style] = style == TextStyle::Heading ? metrics.tmHeight / 3 : 0;
            heights_[style] = metrics.tmHeight + metrics.tmExternalLeading + air_[style];
            fonts_.emplace(style, std::move(font));
        }
    }

    int Height(TextStyle style) const { return heights_.at(style); }

    int Width(TextStyle style, std::wstring_view text) const
    {
        const Selected selected(dc_, fonts_.at(style).get());
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    // Draws a line whose place starts at `y`, below the air its style leaves above it.
    void Draw(HDC dc, TextStyle style, int x, int y, std::wstring_view text) const
    {
        const Selected selected(dc, fonts_.at(style).get());
        TextOutW(dc, x, y + air_.at(style), text.data(), static_cast<int>(text.size()));
    }

private:
    class Selected {
    public:
        Selected(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
        Selected(const Selected&) = delete;
        Selected& operator=(const Selected&) = delete;
        ~Selected() { SelectObject(dc_, previous_); }

    private:
        HDC dc_;
        HGDIOBJ previous_;
    };

    HDC dc_;
    std::map<TextStyle, FontHandle> fonts_;
    std::map<TextStyle, int> heights_;
    std::map<TextStyle, int> air_;
};

class PrinterDocument final : public PageSurface {
public:
    PrinterDocument(HDC dc, bool ownsDc, const std::wstring& name) : dc_(dc), ownsDc_(ownsDc)
    {
        DOCINFOW info{};
        info.cbSize = sizeof info;
        info.lpszDocName = name.c_str();
        if (StartDocW(dc_, &info) <= 0) {
            Release();
            throw base::Error(kPrinterRefusedDocument);
        }
    }
    PrinterDocument(const PrinterDocument&) = delete;
    PrinterDocument& operator=(const PrinterDocument&) = delete;
    ~PrinterDocument() override
    {
        if (!finished_)
            AbortDoc(dc_);
        Release();
    }

    HDC Dc() const override { return dc_; }
    void BeginPage() override
    {
        if (StartPage(dc_) <= 0)
            throw base::Error(kPrinterRefusedNewPage);
    }
    void EndPage() override
    {
        if (::EndPage(dc_) <= 0)
            throw base::Error(kPrinterRefusedPage);
    }
    void Finish() override
    {
        if (EndDoc(dc_) <= 0)
            throw base::Error(kPrinterUnfinished);
        finished_ = true;
    }

private:
    void Release()
    {
        if (ownsDc_)
            DeleteDC(dc_);
        ownsDc_ = false;
    }

    HDC dc_;
    bool ownsDc_;
    bool finished_ = false;
};

struct GlobalFreer {
    void operator()(HGLOBAL memory) const noexcept
    {
        if (memory)
            GlobalFree(memory);
    }
};

// Where the lines and the footer go: inside the margins and the printable area alike.
struct PrintArea {
    int left, right, top, bottom;
    int footerHeight;
    int bodyHeight;
};

PrintArea AreaOf(const PageGeometry& geometry, int footerHeight)
{
    // Margins from the paper's edge; drawing coordinates start at the printable area's corner.
    const int marginX = std::max(MulDiv(kMarginMillimetres * 10, geometry.dpiX, 254), 0);
    const int marginY = std::max(MulDiv(kMarginMillimetres * 10, geometry.dpiY, 254), 0);
    PrintArea area{.left = std::max<int>(marginX, geometry.printable.left),
                   .right = std::min<int>(geometry.paperWidth - marginX, geometry.printable.right),
                   .top = std::max<int>(marginY, geometry.printable.top),
                   .bottom = std::min<int>(geometry.paperHeight - marginY, geometry.printable.bottom),
                   .footerHeight = footerHeight};
    area.bodyHeight = area.bottom - area.top - 2 * footerHeight;
    if (area.right - area.left <= 0 || area.bodyHeight <= 0)
        throw base::Error(kPaperTooSmall);
    return area;
}

void DrawPage(HDC dc, const StyleFonts& fonts, const PrintArea& area, const PageGeometry& geometry, const PrintPage& page,
              const std::wstring& footerText)
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const int originX = geometry.printable.left;
    const int originY = geometry.printable.top;
    for (const auto& placed : page) {
        if (!placed.line.text.empty())
            fonts.Draw(dc, placed.line.style, area.left + placed.line.indent - originX, area.top + placed.top - originY,
                       placed.line.text);
    }
    fonts.Draw(dc, TextStyle::Footer, (area.left + area.right - fonts.Width(TextStyle::Footer, footerText)) / 2 - originX,
               area.bottom - area.footerHeight - originY, footerText);
}

}

PageGeometry GeometryOf(HDC printer)
{
    PageGeometry geometry;
    geometry.dpiX = GetDeviceCaps(printer, LOGPIXELSX);
    geometry.dpiY = GetDeviceCaps(printer, LOGPIXELSY);
    geometry.paperWidth = GetDeviceCaps(printer, PHYSICALWIDTH);
    geometry.paperHeight = GetDeviceCaps(printer, PHYSICALHEIGHT);
    const int left = GetDeviceCaps(printer, PHYSICALOFFSETX);
    const int top = GetDeviceCaps(printer, PHYSICALOFFSETY);
    geometry.printable = {left, top, left + GetDeviceCaps(printer, HORZRES), top + GetDeviceCaps(printer, VERTRES)};
    // A device that tells no paper size is taken as its printable area.
    if (geometry.paperWidth <= 0 || geometry.paperHeight <= 0) {
        geometry.paperWidth = geometry.printable.right;
        geometry.paperHeight = geometry.printable.bottom;
    }
    return geometry;
}

std::unique_ptr<PageSurface> StartDocument(HDC printer, bool ownsDc, const std::wstring& document)
{
    return std::make_unique<PrinterDocument>(printer, ownsDc, document);
}

std::unique_ptr<PageSurface> StartDocumentOn(const std::wstring& printer, const std::wstring& document)
{
    const HDC dc = CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr);
    if (!dc)
        throw base::Error(PrinterNotFound(printer));
    return StartDocument(dc, true, document);
}

std::unique_ptr<PageSurface> Win32Printing::Choose(HWND owner, const std::wstring& document)
{
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    const bool chosen = PrintDlgW(&dialog) != FALSE;
    // The dialog's settings are copied into its device context; their memory is the caller's.
    const std::unique_ptr<void, GlobalFreer> mode(dialog.hDevMode), names(dialog.hDevNames);
    if (!chosen) {
        if (CommDlgExtendedError() != 0)
            throw base::Error(kNoPrinterInstalled);
        return nullptr;
    }
    return StartDocument(dialog.hDC, true, document);
}

Printing& SystemPrinting()
{
    static Win32Printing printing;
    return printing;
}

int PrintLines(PageSurface& surface, const PageGeometry& geometry, const std::vector<PrintLine>& lines, const PageFooter& footer)
{
    const StyleFonts fonts(surface.Dc(), geometry.dpiY);
    const PrintArea area = AreaOf(geometry, fonts.Height(TextStyle::Footer));
    const auto wrapped = WrapLines(
        lines, area.right - area.left, [&](TextStyle style, std::wstring_view text) { return fonts.Width(style, text); },
        fonts.Width(TextStyle::Body, L"    "));
    const auto pages = Paginate(wrapped, area.bodyHeight, [&](TextStyle style) { return fonts.Height(style); });
    const int count = static_cast<int>(pages.size());
    for (int page = 0; page < count; ++page) {
        surface.BeginPage();
        DrawPage(surface.Dc(), fonts, area, geometry, pages[page], footer(page + 1, count));
        surface.EndPage();
    }
    surface.Finish();
    return count;
}

}
