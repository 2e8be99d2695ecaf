// The About box.
#include "reference/about.h"

#include "reference/texts.h"
#include "resource_ids.h"
#include "ui/image.h"

#include <string>

TAboutBox::TAboutBox(ui::Sound& sound, ui::Shell& shell)
    : ui::Form({.className = L"TAboutBox",
                .caption = std::wstring(reference::kAboutCaption),
                .clientWidth = 370,
                .clientHeight = 273,
                .border = ui::Border::Dialog,
                .color = ui::kGrayText}),
      boldFont_(ui::CreateFontHandle({.bold = true})),
      Panel1({.parent = Handle(), .bounds = {8, 8, 353, 257}, .inner = ui::Bevel::Raised, .outer = ui::Bevel::Lowered, .color = ui::kGrayText}),
      ProgramIcon({.parent = Panel1.Handle(), .bounds = {8, 8, 121, 65}, .picture = ui::JpegResource(IDR_PRODUCT), .stretch = true}),
      ProductName({.parent = Panel1.Handle(), .bounds = {192, 16}, .text = std::wstring(reference::kProductName)}),
      Version({.parent = Panel1.Handle(), .bounds = {192, 40}, .text = std::wstring(reference::kVersion)}),
      Image1({.parent = Panel1.Handle(), .bounds = {16, 88, 33, 33}, .icon = IDI_VELMORA}),
      Label3({.parent = Panel1.Handle(), .bounds = {64, 96}, .text = std::wstring(reference::kMailTitle)}),
      Label4({.parent = Panel1.Handle(),
              .bounds = {144, 96},
              .text = std::wstring(reference::kMailAddress),
              .font = boldFont_.get(),
              .clickable = true}),
      Image2({.parent = Panel1.Handle(), .bounds = {16, 128, 33, 33}, .icon = IDI_VELMORA}),
      Label1({.parent = Panel1.Handle(), .bounds = {64, 136}, .text = std::wstring(reference::kWebTitle)}),
      Label2({.parent = Panel1.Handle(),
              .bounds = {144, 136},
              .text = std::wstring(reference::kWebAddress),
              .font = boldFont_.get(),
              .clickable = true}),
      Comments({.parent = Panel1.Handle(), .bounds = {8, 176}, .text = std::wstring(reference::kComments)}),
      Label5({.parent = Panel1.Handle(), .bounds = {72, 176}, .text = std::wstring(reference::kSlogan1)}),
      Label6({.parent = Panel1.Handle(), .bounds = {72, 192}, .text = std::wstring(reference::kSlogan2)}),
      Label7({.parent = Panel1.Handle(), .bounds = {72, 208}, .text = std::wstring(reference::kSlogan3)}),
      Copyright({.parent = Panel1.Handle(), .bounds = {16, 232}, .text = std::wstring(reference::kCopyright)}),
      Hints({.owner = Handle()}),
      sound_(sound),
      shell_(shell)
{
    SetUpLinks();
}

void TAboutBox::SetUpLinks()
{
    Label4.KeepRightOf(Label3);
    Label2.KeepRightOf(Label1);
    Image1.SetColor(ui::kGrayText);
    Image2.SetColor(ui::kGrayText);
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    Label2.SetCursor(hand);
    Label4.SetCursor(hand);
    Hints.Add(Label2.Handle(), std::wstring(reference::kWebScheme) + Label2.Text());
    Hints.Add(Label4.Handle(), std::wstring(reference::kMailAddress));
    Label2.onClick = [this] { Label2Click(); };
    Label4.onClick = [this] { Label4Click(); };
}

void TAboutBox::FormActivate()
{
    FormCreate();
}

void TAboutBox::FormCreate()
{
    sound_.PlayAsync(std::wstring(reference::kAboutSound));
}

void TAboutBox::FormClose()
{
    sound_.Stop();
}

void TAboutBox::Label2Click()
{
    shell_.Open(std::wstring(reference::kWebScheme) + Label2.Text());
}

void TAboutBox::Label4Click()
{
    shell_.Open(std::wstring(reference::kMailScheme) + std::wstring(reference::kMailAddress));
}
