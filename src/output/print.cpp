// Printed documents.
#include "output/print.h"

#include "output/texts.h"

namespace output {

std::wstring PageFooter(int page, int pages)
{
    return std::wstring(kPageWord) + L" " + std::to_wstring(page) + std::wstring(kPageOf) + std::to_wstring(pages);
}

int PrintPages(ui::PageSurface& surface, const ui::PageGeometry& geometry, const std::vector<ui::PrintLine>& lines)
{
    return ui::PrintLines(surface, geometry, lines, PageFooter);
}

bool Print(ui::Printing& printing, HWND owner, const Document& document)
{
    const auto surface = printing.Choose(owner, document.title);
    if (!surface)
        return false;
    PrintPages(*surface, ui::GeometryOf(surface->Dc()), document.lines);
    return true;
}

}
