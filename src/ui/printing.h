// Printing: the print dialog and the printer's pages behind an interface tests replace, and the
// drawing of laid-out lines on pages, the same for a printer and for a test's metafile.
#pragma once
#include "ui/print_layout.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace ui {

// Where pages are drawn: a printer's document, or a test's recording of one.
class PageSurface {
public:
    virtual ~PageSurface() = default;
    // The device context to measure and draw with; between BeginPage and EndPage for drawing.
    virtual HDC Dc() const = 0;
    virtual void BeginPage() = 0;
    virtual void EndPage() = 0;
    // All pages drawn: the document goes to the printer. A surface dropped before this prints nothing.
    virtual void Finish() = 0;
};

// The paper as the device has it, in device units.
struct PageGeometry {
    int dpiX = 0;
    int dpiY = 0;
    int paperWidth = 0;
    int paperHeight = 0;
    // The part of the paper the device can print on.
    RECT printable{};
};

PageGeometry GeometryOf(HDC printer);

// A printer's document from its device context, begun at once and named `document` in the queue.
// Throws base::Error when the printer refuses it.
std::unique_ptr<PageSurface> StartDocument(HDC printer, bool ownsDc, const std::wstring& document);
// The document on the printer of this name, as the spooler knows it, without a dialog.
std::unique_ptr<PageSurface> StartDocumentOn(const std::wstring& printer, const std::wstring& document);

class Printing {
public:
    virtual ~Printing() = default;
    // Shows the print dialog; with a printer chosen, its document is begun. Null when cancelled.
    virtual std::unique_ptr<PageSurface> Choose(HWND owner, const std::wstring& document) = 0;
};

class Win32Printing final : public Printing {
public:
    std::unique_ptr<PageSurface> Choose(HWND owner, const std::wstring& document) override;
};

// The program's real printing.
Printing& SystemPrinting();

// The text of the footer of page `page` (from 1) of `pages`.
using PageFooter = std::function<std::wstring(int page, int pages)>;

// Lays the lines out on the paper of `geometry` with margins of 20 mm from the paper's edge (or the
// device's unprintable border where that is wider), fonts sized in points for the device's
// resolution, and draws every page with its footer. Returns the pages' count. Lines are measured
// with the surface's own device context, so what is laid out is what is drawn.
int PrintLines(PageSurface& surface, const PageGeometry& geometry, const std::vector<PrintLine>& lines, const PageFooter& footer);

}
