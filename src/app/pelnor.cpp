// The main window.
#include "app/pelnor.h"

#include "app/appearance.h"
#include "app/program.h"
#include "app/text_zoom.h"
#include "app/texts.h"
#include "catalogue/category_fill.h"
#include "catalogue/recipe_search.h"
#include "catalogue/search_places.h"
#include "catalogue/search_texts.h"
#include "catalogue/searchall.h"
#include "output/texts.h"
#include "personal/addrecepies.h"
#include "personal/backup_commands.h"
#include "personal/myrecepies.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "reference/about.h"
#include "reference/popmenu.h"
#include "reference/readme.h"
#include "resource_ids.h"
#include "ui/application.h"
#include "ui/menu.h"
#include "ui/resource_text.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

constexpr int kClientWidth = 762;
constexpr int kClientHeight = 481;  // below the menu bar
constexpr int kStatusHeight = 20;

struct CommandSpec {
    const wchar_t* name;
    const wchar_t* caption;
    const wchar_t* hint;
    const wchar_t* category;
    int image;
    void (TForm1::*handler)();
};

// The commands besides the categories', which come from catalogue::kCategories.
const CommandSpec kCommands[] = {
    {L"Izhod", L"Изход", L"Излез от кухнята", L"Меню", 8, &TForm1::IzhodExecute},
    {L"MyRecepies", L"Моите Рецепти", L"Какво ли съм добавил ?", L"Меню", 11, &TForm1::MyRecepiesExecute},
    {L"color", L"Смени цвета", L"", L"Настройки", 2, &TForm1::colorExecute},
    {L"Readme", L"Readme", L"", L"Настройки", 17, &TForm1::ReadmeExecute},
    {L"About", L"Инфо", L"Инфо за Велмора XP", L"Настройки", 15, &TForm1::AboutExecute},
    {L"Addrecepies", L"Добави рецепта към Моите рецепти", L"", L"Настройки", 20, &TForm1::AddrecepiesExecute},
    {L"suveti", L"Практични съвети", L"Какво е необходимо да знаем ?", L"Справочник", 4, &TForm1::suvetiExecute},
    {L"Find", L"Намери рецепта", L"Намери рецепта", L"Настройки", 16, &TForm1::FindExecute},
    {L"SearchAll", L"Търси навсякъде…", L"Търси рецепта по име, продукти и начин на приготвяне", L"Настройки", 16,
     &TForm1::SearchAllExecute},
    {L"Pechat", output::kPrintCaption.data(), output::kPrintHint.data(), app::kMenuRecipe.data(), -1, &TForm1::PechatExecute},
    {L"Zapishi", output::kSaveCaption.data(), output::kSaveHint.data(), app::kMenuRecipe.data(), -1, &TForm1::ZapishiExecute},
    {L"Kopirai", output::kCopyName.data(), output::kCopyHint.data(), app::kMenuRecipe.data(), -1, &TForm1::KopiraiExecute},
    {L"Kopie", personal::kBackUpCaption.data(), personal::kBackUpHint.data(), app::kMenuRecipe.data(), -1, &TForm1::KopieExecute},
    {L"Vazstanovi", personal::kRestoreCaption.data(), personal::kRestoreHint.data(), app::kMenuRecipe.data(), -1,
     &TForm1::VazstanoviExecute},
    {L"FindNext", L"Намери следваща", L"Намери следващата рецепта със същото име", L"Настройки", 16,
     &TForm1::FindNextExecute},
    {L"ZoomIn", L"По-едър шрифт", L"По-едри букви на рецептите", L"Настройки", -1, &TForm1::ZoomInExecute},
    {L"ZoomOut", L"По-дребен шрифт", L"По-дребни букви на рецептите", L"Настройки", -1, &TForm1::ZoomOutExecute},
    {L"ZoomReset", L"Стандартен шрифт", L"Обичайните букви на рецептите", L"Настройки", -1, &TForm1::ZoomResetExecute},
};

struct CommandKeys {
    const wchar_t* name;
    const wchar_t* text;
    std::vector<ui::Shortcut> keys;
};

// Ctrl with the plus and minus keys of the main keyboard (with or without Shift, which some
// layouts need for "+") or of the number pad.
const CommandKeys kCommandKeys[] = {
    {L"Find", L"Ctrl+F", {{'F', ui::kCtrl}}},
    {L"FindNext", L"F3", {{VK_F3}}},
    {L"SearchAll", L"Ctrl+Shift+F", {{'F', ui::kCtrl | ui::kShift}}},
    {L"ZoomIn", L"Ctrl++", {{VK_OEM_PLUS, ui::kCtrl}, {VK_OEM_PLUS, ui::kCtrl | ui::kShift}, {VK_ADD, ui::kCtrl}}},
    {L"ZoomOut", L"Ctrl+-", {{VK_OEM_MINUS, ui::kCtrl}, {VK_SUBTRACT, ui::kCtrl}}},
    {L"ZoomReset", L"Ctrl+0", {{'0', ui::kCtrl}, {VK_NUMPAD0, ui::kCtrl}}},
    {L"Pechat", output::kPrintKeyText.data(), {output::kPrintKey}},
    {L"Kopirai", output::kCopyKeyText.data(), {output::kCopyKey}},
};

ui::FormArgs MainFormArgs()
{
    return {.className = L"TForm1",
            .caption = std::wstring(app::kTitle),
            .clientWidth = kClientWidth,
            .clientHeight = kClientHeight,
            .minimizeButton = true};
}

// Places given for the panel are shifted by the picture's place inside the panel's bevel.
constexpr int kInset = 2;
ui::Rect OnPicture(int left, int top, int width = 0, int height = 0)
{
    return {left - kInset, top - kInset, width, height};
}

}

TForm1::TForm1(settings::SettingsFile settings, components::TrayShell& trayShell, output::Services output)
    : ui::Form(MainFormArgs()),
      ImageList1(IDB_MENU_PICTURES),
      SxTrayIcon1(trayShell),
      Panel1({.parent = Handle(),
              .bounds = {0, 0, kClientWidth, kClientHeight - kStatusHeight},
              .inner = ui::Bevel::Lowered,
              .outer = ui::Bevel::Lowered}),
      Image1({.parent = Panel1.Handle(), .bounds = {kInset, kInset, 758, 457}, .picture = ui::JpegResource(IDR_BACKGROUND)}),
      Label1({.parent = Image1.Handle(), .bounds = OnPicture(24, 24), .text = std::wstring(app::kLabelNames)}),
      Label2({.parent = Image1.Handle(), .bounds = OnPicture(360, 24), .text = std::wstring(app::kLabelProducts)}),
      Label3({.parent = Image1.Handle(), .bounds = OnPicture(360, 208), .text = std::wstring(app::kLabelMethod)}),
      // In a larger text a long name reaches past the list's edge: its scroll bar shows the rest.
      ListBox1({.parent = Image1.Handle(), .bounds = OnPicture(24, 40, 313, 393), .horizontalScroll = true}),
      // Many recipes have more ingredient lines than the view's height: its scroll bar shows them all.
      DBMemo1({.parent = Image1.Handle(), .bounds = OnPicture(360, 40, 377, 161), .verticalScrollBar = true}),
      DBMemo2({.parent = Image1.Handle(), .bounds = OnPicture(360, 224, 377, 209), .verticalScrollBar = true}),
      StatusBar({.parent = Handle(), .height = kStatusHeight, .panelWidths = {205, 310, 50}}),
      ADOConnection1(std::wstring(catalogue::kCatalogueConnection)),
      ADOTable1(ADOConnection1),
      FindDialog(Handle()),
      settings_(std::move(settings)),
      browser_({Handle(), ListBox1, DBMemo1, DBMemo2, ADOTable1}, output)
{
    FindDialog.onFind = [this] { FindDialogFind(); };
    browser_.SetColor(ui::kLight3D);
    ListBox1.onSelectionChanged = [this] { ListBox1Click(); };
    AddCommands();
    BuildMenuBar();
    BuildPopupMenu1();
    SetUpSxTrayIcon1();
    RunCreationHandler([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::AddCommands()
{
    for (const auto& spec : kCommands) {
        ActionManager1.Add({.name = spec.name,
                            .caption = spec.caption,
                            .hint = spec.hint,
                            .category = spec.category,
                            .imageIndex = spec.image,
                            .onExecute = [this, handler = spec.handler] { (this->*handler)(); }});
    }
    for (const auto& category : catalogue::kCategories) {
        const bool reference = category.place == catalogue::MenuPlace::Reference;
        ActionManager1.Add({.name = std::wstring(category.command),
                            .caption = std::wstring(category.caption),
                            .hint = std::wstring(category.hint),
                            .category = std::wstring(reference ? app::kMenuReference : app::kMenuMain),
                            .imageIndex = category.picture,
                            .onExecute = [this, &category] { CategoryExecute(category); }});
    }
    for (const auto& binding : kCommandKeys) {
        ui::Command& command = ActionManager1.Get(binding.name);
        command.keys = binding.keys;
        command.keyText = binding.text;
    }
}

std::vector<ui::MenuItem> TForm1::CategoryItems(catalogue::MenuPlace place) const
{
    std::vector<ui::MenuItem> items;
    for (const auto& category : catalogue::kCategories) {
        if (category.place == place)
            items.push_back(ui::MenuItem::Of(ActionManager1.Get(category.command)));
    }
    return items;
}

void TForm1::BuildMenuBar()
{
    using ui::MenuItem;
    using catalogue::MenuPlace;
    const auto item = [this](const wchar_t* name) { return MenuItem::Of(ActionManager1.Get(name)); };
    constexpr int kSubmenuPicture = 10;
    std::vector<MenuItem> main{MenuItem::Submenu(std::wstring(app::kMenuSeasonal), kSubmenuPicture, CategoryItems(MenuPlace::Seasonal)),
                               MenuItem::Submenu(std::wstring(app::kMenuQuick), kSubmenuPicture, CategoryItems(MenuPlace::Quick)),
                               MenuItem::Submenu(std::wstring(app::kMenuConfectionery), kSubmenuPicture,
                                                 CategoryItems(MenuPlace::Confectionery))};
    std::ranges::move(CategoryItems(MenuPlace::Main), std::back_inserter(main));
    main.insert(main.end(), {MenuItem::Separator(), item(L"MyRecepies"), MenuItem::Separator(), item(L"Izhod")});
    std::vector<MenuItem> reference{item(L"suveti")};
    std::ranges::move(CategoryItems(MenuPlace::Reference), std::back_inserter(reference));
    SetMenuBar({MenuItem::Submenu(std::wstring(app::kMenuMain), 13, std::move(main)),
                MenuItem::Submenu(std::wstring(app::kMenuSettings), 18,
                                  {MenuItem::Submenu(std::wstring(app::kMenuDecoration), -1, {item(L"color"), item(L"ZoomIn"), item(L"ZoomOut")}),
                                   MenuItem::Separator(), item(L"Find"), MenuItem::Separator(), item(L"Addrecepies"),
                                   MenuItem::Separator(),
                                   MenuItem::Of(ActionManager1.Get(L"Readme"), std::wstring(app::kReadmeMenuCaption)),
                                   MenuItem::Separator(), item(L"About"), MenuItem::Separator(), item(L"SearchAll"),
                                   item(L"FindNext")}),
                MenuItem::Submenu(std::wstring(app::kMenuReference), 12, std::move(reference)),
                MenuItem::Submenu(std::wstring(app::kMenuRecipe), -1,
                                  {item(L"Pechat"), item(L"Zapishi"), item(L"Kopirai"), MenuItem::Separator(), item(L"Kopie"),
                                   item(L"Vazstanovi")})},
               ImageList1);
}

void TForm1::BuildPopupMenu1()
{
    using ui::MenuItem;
    const auto item = [this](const wchar_t* name) { return MenuItem::Of(ActionManager1.Get(name)); };
    PopupMenu1 = ui::PopupMenu(
        {.items = {MenuItem::Submenu(std::wstring(app::kTrayHelp), 23, {item(L"Readme"), item(L"About")}),
                   MenuItem::Submenu(std::wstring(app::kTrayOptions), 24,
                                     {MenuItem::Action(std::wstring(app::kTrayShow), 21, [this] { N5Click(); }),
                                      MenuItem::Action(std::wstring(app::kTrayMinimize), 22, [this] { N4Click(); })}),
                   MenuItem::Separator(),
                   item(L"Izhod")},
         .pictures = &ImageList1});
}

void TForm1::SetUpSxTrayIcon1()
{
    // The stored settings in their order: the icon is added with its picture, then gets its tip.
    ui::Icon picture;
    picture.LoadFromData(ui::ResourceData(IDR_TRAY_ICON, RT_RCDATA));
    SxTrayIcon1.SetIcon(picture);
    SxTrayIcon1.SetActive(true);
    SxTrayIcon1.SetShowDesignTime(false);
    SxTrayIcon1.SetPopupMenu(&PopupMenu1);
    SxTrayIcon1.SetTip(std::wstring(app::kTitle));
    SxTrayIcon1.SetInfoFlags(components::niifInfo);
    SxTrayIcon1.OnClick = [this](components::TSxTrayIcon&) { SxTrayIcon1Click(); };
}

void TForm1::FormCreate()
{
    ui::Application::Current().onMinimize = [this] { Minimize(); };
    auto& cursors = ui::Application::Current().ScreenCursors();
    cursors.Register(app::kMaletCursor, app::kMaletResource);
    ListBox1.SetCursor(cursors.Get(app::kMaletCursor));
    ADOTable1.SetTableName(ui::ResourceText(catalogue::CategoryOf(catalogue::kDesignCategory).table));
    ADOTable1.Open();
    const app::Appearance appearance = app::ReadAppearance(settings_);
    browser_.SetColor(appearance.color);
    SetViewsFont(appearance.font);
    storedColorShown_ = true;
    storedFontShown_ = true;
}

void TForm1::FormClose()
{
    // A colour or font the views never took from the file (a start that failed before applying it)
    // is not written over the stored one; a colour chosen since is.
    const auto color = storedColorShown_ ? std::optional(DBMemo1.BackgroundColor()) : std::nullopt;
    const auto fontHeight = storedFontShown_ ? std::optional(viewsFont_.height) : std::nullopt;
    try {
        app::WriteAppearance(settings_, color, fontHeight, Text());
    } catch (...) {
        // Only this run's appearance is lost: the user is told, and the program still closes.
        ui::Application::Current().HandleException(std::current_exception());
    }
}

void TForm1::SetViewsFont(const ui::FontSpec& font)
{
    auto handle = ui::CreateFontHandle(font, ui::DpiOf(Handle()));
    for (ui::Control* view : {static_cast<ui::Control*>(&DBMemo1), static_cast<ui::Control*>(&DBMemo2),
                              static_cast<ui::Control*>(&ListBox1)})
        view->SetFontHandle(handle.get());
    viewsFont_ = font;
    viewsFontHandle_ = std::move(handle);
}

void TForm1::OnSize(int width, int height)
{
    // Shown maximized the window grows: the status bar keeps to the bottom at full width, the panel
    // takes the rest, and the picture in it grows with it but is still drawn unscaled.
    StatusBar.SetBounds({0, height - kStatusHeight, width, kStatusHeight});
    Panel1.SetBounds({0, 0, width, height - kStatusHeight});
    Image1.SetBounds({kInset, kInset, width - 2 * kInset, height - kStatusHeight - 2 * kInset});
}

void TForm1::Minimize()
{
    // Hiding the minimized application window takes its task-bar button away too: the tray icon
    // is the way back.
    ShowWindow(ui::Application::Current().Handle(), SW_HIDE);
}

void TForm1::N4Click()
{
    ui::Application::Current().Minimize();
}

void TForm1::N5Click()
{
    ui::Application::Current().Restore();
}

void TForm1::SxTrayIcon1Click()
{
    ui::Application::Current().Restore();
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (FindDialog.HandleOwnerMessage(message, lParam))
        return 0;
    if (message == WM_MENUSELECT)
        ShowHint(LOWORD(wParam), HIWORD(wParam));
    return ui::Form::HandleMessage(message, wParam, lParam);
}

bool TForm1::OnMenuCommand(UINT id)
{
    return ActionManager1.Execute(id);
}

void TForm1::ShowHint(UINT itemId, UINT flags)
{
    const ui::Command* command = (flags & (MF_POPUP | MF_SEPARATOR)) ? nullptr : ActionManager1.Find(itemId);
    StatusBar.SetPanelText(kHintPanel, command ? command->hint : std::wstring());
}

void TForm1::CategoryExecute(const catalogue::Category& category)
{
    ADOTable1.Close();
    ADOTable1.SetTableName(ui::ResourceText(category.table));
    ADOTable1.Open();
    const std::wstring status(category.status);
    const auto showCount = [&](int count) {
        StatusBar.SetPanelText(kCataloguePanel,
                               category.counted ? status + std::to_wstring(count) + std::wstring(catalogue::kCountSuffix) : status);
    };
    // An empty category shows its own count of 0, not the previous category's text.
    if (browser_.Fill(catalogue::PlaceOf(category), showCount) == 0)
        showCount(0);
    ListBox1.SetFocus();
}

void TForm1::ListBox1Click()
{
    browser_.ShowChosen();
}

void TForm1::IzhodExecute()
{
    Close();
}

void TForm1::MyRecepiesExecute() { Form5->ShowModal(); }
void TForm1::AddrecepiesExecute() { Form4->ShowModal(); }
void TForm1::suvetiExecute() { Form2->ShowModal(); }
void TForm1::ReadmeExecute() { Form3->ShowModal(); }
void TForm1::AboutExecute() { AboutBox->ShowModal(); }

void TForm1::colorExecute()
{
    const auto chosen = ui::Application::Current().DialogService().PickColor(Handle(), lastPickedColor_, customColors_);
    if (!chosen)
        return;
    storedColorShown_ = true;
    lastPickedColor_ = *chosen;
    browser_.SetColor(ui::Color::Direct(*chosen));
}

void TForm1::FindExecute()
{
    FindDialog.Execute();
    FindPos = 0;
    ListBox1.Select(-1);
}

void TForm1::FindDialogFind()
{
    if (catalogue::FindNext(browser_.Names(), ListBox1, FindPos, FindDialog.SearchText())) {
        // The recipe the search highlights is the one shown, and its name is not hidden by the dialog.
        ListBox1Click();
        FindDialog.KeepClearOf(ListBox1.ItemScreenRect(ListBox1.SelectedIndex()));
        return;
    }
    ui::Application::Current().ShowMessage(std::wstring(catalogue::kNoMoreRecipes));
    FindDialog.CloseDialog();
}

void TForm1::SearchAllExecute()
{
    if (!searchForm_) {
        catalogue::SearchSources sources{.catalogueConnection = std::wstring(catalogue::kCatalogueConnection),
                                         .ownConnection = std::wstring(personal::kMyRecipesConnection),
                                         .ownTable = personal::TableName(),
                                         .ownPlace = std::wstring(catalogue::kOwnPlace)};
        for (const auto& category : catalogue::kCategories)
            sources.catalogueTables.emplace_back(ui::ResourceText(category.table), catalogue::PlaceOf(category));
        searchForm_ = std::make_unique<TForm7>(std::move(sources));
        searchForm_->onOpen = [this](const catalogue::SearchResult& result) { return OpenSearchResult(result); };
    }
    searchForm_->Execute();
}

bool TForm1::OpenSearchResult(const catalogue::SearchResult& result)
{
    if (result.own) {
        Form5->ShowRecipe(static_cast<int>(result.ordinal), result.name);
        return true;
    }
    const auto category = std::ranges::find_if(
        catalogue::kCategories, [&](const catalogue::Category& c) { return ui::ResourceText(c.table) == result.table; });
    if (category == catalogue::kCategories.end())
        return false;
    CategoryExecute(*category);
    const auto found = catalogue::PlaceInList(browser_.Names(), static_cast<int>(result.ordinal), result.name);
    if (!found)
        return false;
    ListBox1.Select(*found);
    ListBox1Click();
    SetForegroundWindow(Handle());
    ListBox1.SetFocus();
    return true;
}

bool TForm1::PreviewKey(const MSG& message)
{
    return ActionManager1.HandleKey(message);
}

bool TForm1::PreviewMouseWheel(const MSG& message)
{
    if (!(GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL))
        return false;
    const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    const HWND under = WindowFromPoint(at);
    const auto zoomed = [&](const ui::Control& view) { return view.Handle() == under; };
    if (!zoomed(ListBox1) && !zoomed(DBMemo1) && !zoomed(DBMemo2))
        return false;
    // A fine-grained wheel sends parts of a notch: one step per whole notch, in either direction.
    wheelDelta_ += GET_WHEEL_DELTA_WPARAM(message.wParam);
    for (; wheelDelta_ >= WHEEL_DELTA; wheelDelta_ -= WHEEL_DELTA)
        ZoomInExecute();
    for (; wheelDelta_ <= -WHEEL_DELTA; wheelDelta_ += WHEEL_DELTA)
        ZoomOutExecute();
    return true;
}

void TForm1::FindNextExecute()
{
    // With nothing searched for yet, F3 asks what to search for.
    if (FindDialog.SearchText().empty())
        FindExecute();
    else
        FindDialogFind();
}

void TForm1::ZoomInExecute() { ZoomTo(app::LargerTextHeight(viewsFont_.height)); }
void TForm1::ZoomOutExecute() { ZoomTo(app::SmallerTextHeight(viewsFont_.height)); }
void TForm1::ZoomResetExecute() { ZoomTo(app::kStandardTextHeight); }

void TForm1::ZoomTo(int height)
{
    SetViewsFont({.name = viewsFont_.name, .height = height});
    // The size the cook chose is kept by the close, as a stored one is.
    storedFontShown_ = true;
}

void TForm1::PechatExecute() { browser_.Print(); }
void TForm1::ZapishiExecute() { browser_.Save(); }
void TForm1::KopiraiExecute() { browser_.Copy(); }
void TForm1::KopieExecute() { personal::BackUpCommand(*ownRecipes_, Handle()); }
void TForm1::VazstanoviExecute() { personal::RestoreCommand(*ownRecipes_, Handle()); }

void TForm1::UseOwnRecipes(personal::RecipeStore& store)
{
    ownRecipes_ = &store;
    // The search shows an own recipe added, changed or deleted at once, in whichever window.
    ownRecipesChanged_ = store.OnChange([this](const personal::StoreChange&) {
        if (searchForm_)
            searchForm_->RecipesChanged();
    });
}
