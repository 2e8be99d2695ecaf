// Printed documents: the page footer, the pages drawn on a surface, and the print command's work.
#pragma once
#include "output/document.h"
#include "ui/print_layout.h"
#include "ui/printing.h"

#include <windows.h>

#include <string>
#include <vector>

namespace output {

// "Страница 2 от 3".
std::wstring PageFooter(int page, int pages);

// Prints the lines on the surface's paper, each page with its footer; returns the number of pages.
int PrintPages(ui::PageSurface& surface, const ui::PageGeometry& geometry, const std::vector<ui::PrintLine>& lines);

// The print command: the print dialog, then the document on the printer chosen there. False when
// the dialog was cancelled.
bool Print(ui::Printing& printing, HWND owner, const Document& document);

}
