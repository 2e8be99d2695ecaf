// The readme window.
#include "reference/readme.h"

#include "reference/text_file.h"
#include "reference/texts.h"

TForm3::TForm3()
    : ui::Form({.className = L"TForm3",
                .caption = std::wstring(reference::kReadmeCaption),
                .clientWidth = 617,
                .clientHeight = 434,
                .color = ui::kGrayText}),
      Memo1({.parent = Handle(), .bounds = {8, 8, 601, 417}, .verticalScrollBar = true}),
      memoFont_(ui::CreateFontHandle({.name = L"Courier New", .height = -12}))
{
    Memo1.SetColor(ui::kLight3D);
    Memo1.SetFontHandle(memoFont_.get());
    Memo1.SetText(std::wstring(reference::kReadmePlaceholder));
}

void TForm3::FormActivate()
{
    Memo1.SetContent(reference::ReadTextFile(reference::kReadmeFile));
}
