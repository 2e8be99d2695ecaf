// The practical-advice window.
#include "reference/popmenu.h"

#include "reference/text_file.h"
#include "reference/texts.h"
#include "string_ids.h"
#include "ui/resource_text.h"

#include <string>
#include <vector>

namespace {

constexpr int kClientWidth = 753;
constexpr int kClientHeight = 453;

// The tabs by their place in the page control.
enum Tab { kSecrets, kTastier, kSalting, kFat, kMeasures, kPreserving, kEnergy };

std::vector<std::wstring> TabCaptions()
{
    std::vector<std::wstring> captions;
    for (const auto& tab : reference::kTabs)
        captions.emplace_back(tab.caption);
    return captions;
}

bound::GridColumn Column(UINT field, int width, bool centred = true)
{
    return {.field = ui::ResourceText(field), .width = width, .centred = centred};
}

}

TForm2::TForm2()
    : ui::Form({.className = L"TForm2",
                .caption = std::wstring(reference::kAdviceCaption),
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .color = ui::kGrayText}),
      PageControl1({.parent = Handle(), .bounds = {0, 0, kClientWidth, kClientHeight}, .captions = TabCaptions()}),
      Memo1({.parent = PageControl1.Page(kSecrets),
             .bounds = {0, 0, PageControl1.PageWidth(), PageControl1.PageHeight()},
             .verticalScrollBar = true,
             .tabStop = false}),
      Memo2({.parent = PageControl1.Page(kTastier),
             .bounds = {0, 0, PageControl1.PageWidth(), PageControl1.PageHeight()},
             .verticalScrollBar = true,
             .tabStop = false}),
      Memo5({.parent = PageControl1.Page(kSalting),
             .bounds = {0, 0, PageControl1.PageWidth(), PageControl1.PageHeight()},
             .verticalScrollBar = true,
             .tabStop = false}),
      Memo4({.parent = PageControl1.Page(kFat),
             .bounds = {0, 0, PageControl1.PageWidth(), PageControl1.PageHeight()},
             .verticalScrollBar = true,
             .tabStop = false}),
      DBMemo1({.parent = PageControl1.Page(kMeasures), .bounds = {0, 0, 745, 89}}),
      DBGrid2({.parent = PageControl1.Page(kMeasures),
               .bounds = {0, 96, 745, 201},
               .columns = {Column(IDS_FIELD_MERKI_KIND, 265, false), Column(IDS_FIELD_MERKI_TEACUP, 105),
                           Column(IDS_FIELD_MERKI_COFFEE_CUP, 115), Column(IDS_FIELD_MERKI_TABLESPOON, 122),
                           Column(IDS_FIELD_MERKI_TEASPOON, 114)}}),
      DBGrid3({.parent = PageControl1.Page(kMeasures),
               .bounds = {0, 304, 745, 97},
               .columns = {Column(IDS_FIELD_DPM_PRODUCTS, 371, false), Column(IDS_FIELD_DPM_MEASURES, 238),
                           Column(IDS_FIELD_DPM_WEIGHT, 111)},
               .readOnly = false}),
      Memo6({.parent = PageControl1.Page(kPreserving),
             .bounds = {0, 0, PageControl1.PageWidth(), PageControl1.PageHeight()},
             .readOnly = false,
             .verticalScrollBar = true}),
      DBGrid1({.parent = PageControl1.Page(kEnergy),
               .bounds = {0, 0, PageControl1.PageWidth(), PageControl1.PageHeight()},
               .columns = {Column(IDS_FIELD_ENERGY_PRODUCT, 339, false), Column(IDS_FIELD_ENERGY_PROTEINS, 81),
                           Column(IDS_FIELD_ENERGY_FATS, 80), Column(IDS_FIELD_ENERGY_CARBOHYDRATES, 98),
                           Column(IDS_FIELD_ENERGY_KILOCALORIES, 112)}}),
      kKal(reference::kEnergyConnection),
      Merki(reference::kMerkiConnection),
      Info(reference::kMerkiConnection),
      dpm(reference::kDpmConnection),
      kKalTable(kKal),
      MerkiTable(Merki),
      InfoTable(Info),
      dpmTable(dpm)
{
    for (ui::TextView* view : {&Memo1, &Memo2, &Memo5, &Memo4, &Memo6})
        view->SetColor(ui::kLight3D);
    DBMemo1.SetColor(ui::kLight3D);
    Memo1.SetText(std::wstring(reference::kTabs[kSecrets].placeholder));
    Memo2.SetText(std::wstring(reference::kTabs[kTastier].placeholder));
    Memo5.SetText(std::wstring(reference::kTabs[kSalting].placeholder));
    Memo4.SetText(std::wstring(reference::kTabs[kFat].placeholder));
    Memo6.SetText(std::wstring(reference::kTabs[kPreserving].placeholder));

    kKalTable.SetTableName(ui::ResourceText(IDS_TABLE_ENERGY));
    MerkiTable.SetTableName(ui::ResourceText(IDS_TABLE_MERKI));
    InfoTable.SetTableName(ui::ResourceText(IDS_TABLE_MERKI));
    dpmTable.SetTableName(ui::ResourceText(IDS_TABLE_DPM));
    for (data::Table* table : {&kKalTable, &MerkiTable, &InfoTable, &dpmTable})
        table->Open();
    DBMemo1.Bind(InfoTable, ui::ResourceText(IDS_FIELD_INFO));
    DBGrid2.Bind(MerkiTable);
    DBGrid3.Bind(dpmTable);
    DBGrid1.Bind(kKalTable);

    PageControl1.onPageShow = [this](int index) { PageShow(index); };
    PageControl1.onChange = [this] { TabSheet1Show(); };
}

void TForm2::PageShow(int index)
{
    switch (index) {
    case kSecrets: TabSheet1Show(); break;
    case kTastier: TabSheet2Show(); break;
    case kSalting: TabSheet3Show(); break;
    case kFat: TabSheet4Show(); break;
    case kPreserving: TabSheet6Show(); break;
    }
}

void TForm2::TabSheet1Show()
{
    Memo1.SetContent(reference::ReadTextFile(reference::kTabs[kSecrets].file));
}

void TForm2::TabSheet2Show()
{
    Memo2.SetContent(reference::ReadTextFile(reference::kTabs[kTastier].file));
}

void TForm2::TabSheet3Show()
{
    Memo5.SetContent(reference::ReadTextFile(reference::kTabs[kSalting].file));
}

void TForm2::TabSheet4Show()
{
    Memo4.SetContent(reference::ReadTextFile(reference::kTabs[kFat].file));
}

void TForm2::TabSheet6Show()
{
    Memo6.SetContent(reference::ReadTextFile(reference::kTabs[kPreserving].file));
}

bool TForm2::PreviewKey(const MSG& message)
{
    return PageControl1.HandleKey(message);
}

LRESULT TForm2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = ui::Form::HandleMessage(message, wParam, lParam);
    // The selected tab shows with the window, and its file is read again.
    if (message == WM_SHOWWINDOW && wParam)
        PageControl1.ShowSelected();
    return result;
}
