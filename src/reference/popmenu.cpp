// The practical-advice window.
#include "reference/popmenu.h"

#include "reference/text_file.h"
#include "reference/texts.h"
#include "string_ids.h"
#include "ui/resource_text.h"

#include <string>
#include <utility>
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

// The grids' columns: the measures, the weights of a measure of each product, the food energy.
std::vector<bound::GridColumn> MeasureColumns()
{
    return {Column(IDS_FIELD_MERKI_KIND, 265, false), Column(IDS_FIELD_MERKI_TEACUP, 105), Column(IDS_FIELD_MERKI_COFFEE_CUP, 115),
            Column(IDS_FIELD_MERKI_TABLESPOON, 122), Column(IDS_FIELD_MERKI_TEASPOON, 114)};
}

std::vector<bound::GridColumn> WeightColumns()
{
    return {Column(IDS_FIELD_DPM_PRODUCTS, 371, false), Column(IDS_FIELD_DPM_MEASURES, 238), Column(IDS_FIELD_DPM_WEIGHT, 111)};
}

std::vector<bound::GridColumn> EnergyColumns()
{
    return {Column(IDS_FIELD_ENERGY_PRODUCT, 339, false), Column(IDS_FIELD_ENERGY_PROTEINS, 81), Column(IDS_FIELD_ENERGY_FATS, 80),
            Column(IDS_FIELD_ENERGY_CARBOHYDRATES, 98), Column(IDS_FIELD_ENERGY_KILOCALORIES, 112)};
}

ui::Rect FullPage(const ui::PageControl& pages)
{
    return {0, 0, pages.PageWidth(), pages.PageHeight()};
}

// A read-only advice text filling its tab.
ui::TextView::Args AdviceText(const ui::PageControl& pages, Tab tab)
{
    return {.parent = pages.Page(tab), .bounds = FullPage(pages), .verticalScrollBar = true, .tabStop = false};
}

}

TForm2::TForm2()
    : ui::Form({.className = L"TForm2",
                .caption = std::wstring(reference::kAdviceCaption),
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .color = ui::kGrayText}),
      PageControl1({.parent = Handle(), .bounds = {0, 0, kClientWidth, kClientHeight}, .captions = TabCaptions()}),
      Memo1(AdviceText(PageControl1, kSecrets)),
      Memo2(AdviceText(PageControl1, kTastier)),
      Memo5(AdviceText(PageControl1, kSalting)),
      Memo4(AdviceText(PageControl1, kFat)),
      DBMemo1({.parent = PageControl1.Page(kMeasures), .bounds = {0, 0, 745, 89}}),
      DBGrid2({.parent = PageControl1.Page(kMeasures), .bounds = {0, 96, 745, 201}, .columns = MeasureColumns()}),
      DBGrid3({.parent = PageControl1.Page(kMeasures), .bounds = {0, 304, 745, 97}, .columns = WeightColumns(), .readOnly = false}),
      // The preserving advice can be written in.
      Memo6({.parent = PageControl1.Page(kPreserving), .bounds = FullPage(PageControl1), .readOnly = false, .verticalScrollBar = true}),
      DBGrid1({.parent = PageControl1.Page(kEnergy), .bounds = FullPage(PageControl1), .columns = EnergyColumns()}),
      kKal(reference::kEnergyConnection),
      Merki(reference::kMerkiConnection),
      Info(reference::kMerkiConnection),
      dpm(reference::kDpmConnection),
      kKalTable(kKal),
      MerkiTable(Merki),
      InfoTable(Info),
      dpmTable(dpm)
{
    DBMemo1.SetColor(ui::kLight3D);
    for (const auto& [view, tab] : {std::pair{&Memo1, kSecrets}, std::pair{&Memo2, kTastier}, std::pair{&Memo5, kSalting},
                                    std::pair{&Memo4, kFat}, std::pair{&Memo6, kPreserving}}) {
        view->SetColor(ui::kLight3D);
        view->SetText(std::wstring(reference::kTabs[tab].placeholder));
    }
    OpenTables();
    PageControl1.onPageShow = [this](int index) { PageShow(index); };
    PageControl1.onChange = [this] { TabSheet1Show(); };
}

void TForm2::OpenTables()
{
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
